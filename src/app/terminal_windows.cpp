#include "app/terminal.h"

#include <windows.h>

namespace app {
namespace {

bool usable(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// The console of the command prompt that started the program, attached once; its prompt has
// come back already, as with every windowed program, so the lines follow it.
HANDLE parentConsole() {
    static const HANDLE console = [] {
        if (!AttachConsole(ATTACH_PARENT_PROCESS))
            return INVALID_HANDLE_VALUE;
        return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    }();
    return console;
}

} // namespace

void Tell(Channel channel, const QString& text) {
    HANDLE handle = GetStdHandle(channel == Channel::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (!usable(handle))
        handle = parentConsole();
    DWORD written = 0;
    DWORD mode = 0;
    if (usable(handle) && GetConsoleMode(handle, &mode)) {
        // The console takes UTF-16 as it is, whatever its code page.
        const QString lines = QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        WriteConsoleW(handle, lines.utf16(), DWORD(lines.size()), &written, nullptr);
    } else if (usable(handle)) {
        // A file or a pipe: the program's code page, which its manifest makes UTF-8.
        const QByteArray bytes = text.toUtf8();
        WriteFile(handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr);
    } else {
        MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.trimmed().utf16()), L"Lunavik",
                    MB_OK | (channel == Channel::Output ? MB_ICONINFORMATION : MB_ICONERROR));
    }
}

} // namespace app
