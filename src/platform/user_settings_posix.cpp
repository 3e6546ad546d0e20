#include "platform/user_settings.h"
#include "platform/xdg_folders.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// On Linux the settings are one INI file, ~/.config/NAME/NAME.ini. Qt decodes a value that
// reads "@Variant(...)" or "@DateTime(...)" with whatever type, size and depth its bytes claim,
// and a damaged file can claim gigabytes or nest deep enough to end the program; the program
// never writes one, so a file that holds one, however its quotes and escapes spell it, is set
// aside (NAME.ini.damaged) and a new one begun. What is not a plain file is never opened as
// settings, and no file is read past the size this program ever writes.
namespace platform {

namespace {

// A hexadecimal or octal digit's value, or -1.
int digitValue(char c, int base) {
    const int value = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                             : base;
    return value < base ? value : -1;
}

// The file's text as Qt reads its values: quotes and the spaces after them dropped, backslash
// escapes decoded the way Qt decodes them, so that "@Vari""ant(" and "\x40Variant(" show as what
// they are. Bytes above 0x7F are left out: UTF-8 never makes ASCII of them, and Qt's decoding may
// hold one back until after the escapes that follow it. Read whole, the text holds every value
// and list item, with sections and keys besides.
QString asValuesRead(const QByteArray& file) {
    QString text;
    for (qsizetype i = 0; i < file.size(); ++i) {
        const char c = file.at(i);
        if (c == '"') {
            // Qt also skips the spaces after a closing quote.
            while (i + 1 < file.size() && (file.at(i + 1) == ' ' || file.at(i + 1) == '\t'))
                ++i;
            continue;
        }
        if (static_cast<unsigned char>(c) > 0x7F)
            continue;
        if (c != '\\') {
            text += QLatin1Char(c);
            continue;
        }
        if (++i == file.size())
            break;
        const char e = file.at(i);
        const int base = e == 'x' ? 16 : e >= '0' && e <= '7' ? 8 : 0;
        if (base) {
            // Every digit that follows counts, in 16 bits as Qt's own decoding keeps it.
            if (base == 16 && (i + 1 == file.size() || digitValue(file.at(i + 1), 16) < 0))
                continue; // "\x" with no digit stands for nothing
            if (base == 16)
                ++i;
            char16_t code = 0;
            for (; i < file.size() && digitValue(file.at(i), base) >= 0; ++i)
                code = static_cast<char16_t>(code * base + digitValue(file.at(i), base));
            --i;
            text += QChar(code);
        } else if (e != '\0' && std::strchr("abfnrtv\"?'\\", e)) {
            text += QLatin1Char('\\'); // a control character or a mark, never a letter
        } else if ((e == '\n' || e == '\r') && i + 1 < file.size() &&
                   (file.at(i + 1) == '\n' || file.at(i + 1) == '\r') && file.at(i + 1) != e) {
            ++i; // a line ending of two characters, joined to the next line
        }
        // Any other escaped character stands for nothing.
    }
    return text;
}

// Qt reads both through QDataStream, with whatever type and size their bytes claim. A file that
// spells one out as it stands is set aside too, as it always was.
bool holdsStoredVariant(const QByteArray& file) {
    const QString text = asValuesRead(file);
    return file.contains("@Variant(") || text.contains(QLatin1String("@Variant(")) ||
           text.contains(QLatin1String("@DateTime("));
}

// Far more than the program ever writes (one short value), far less than could hurt to read.
constexpr qint64 kLargestFile = 64 * 1024;

enum class Found { Nothing, Sound, Damaged, NotAFile, Unreadable };

// What lies at path, read without waiting on a pipe or a device and never past kLargestFile.
Found inspect(const QString& path) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? Found::Nothing : Found::Unreadable;
    struct stat st = {};
    Found found = Found::Sound;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        found = Found::NotAFile;
    } else if (st.st_size > kLargestFile) {
        found = Found::Damaged;
    } else {
        QByteArray bytes;
        char chunk[4096];
        ssize_t got = 0;
        while (bytes.size() <= kLargestFile && (got = ::read(fd, chunk, sizeof chunk)) > 0)
            bytes.append(chunk, got);
        // One that grew past the limit since it was looked at counts as damaged too.
        found = bytes.size() > kLargestFile || holdsStoredVariant(bytes) ? Found::Damaged
                                                                         : Found::Sound;
    }
    ::close(fd);
    return found;
}

bool setAside(const QString& path) {
    const QString aside = path + QLatin1String(".damaged");
    QFile::remove(aside);
    return QFile::rename(path, aside);
}

const char* const kNotAFile = QT_TRANSLATE_NOOP(
    "UserSettings", "Lunavik does not use its settings file %1: it is not a plain file.");
const char* const kUnreadable =
    QT_TRANSLATE_NOOP("UserSettings", "Lunavik cannot read its settings file %1.");
const char* const kStuck = QT_TRANSLATE_NOOP(
    "UserSettings",
    "Lunavik does not read its settings file %1: it is damaged and cannot be set aside.");

QString problem(const char* text, const QString& place) {
    return QCoreApplication::translate("UserSettings", text).arg(place);
}

} // namespace

UserSettings::UserSettings(const QString& appName) {
    const QString folder = XdgFolder("XDG_CONFIG_HOME", ".config");
    if (folder.isEmpty()) {
        m_problem = QCoreApplication::translate(
            "UserSettings", "Lunavik cannot keep its settings: it finds no configuration folder "
                            "it can use (XDG_CONFIG_HOME, HOME).");
        return;
    }
    m_place =
        folder + QLatin1Char('/') + appName + QLatin1Char('/') + appName + QLatin1String(".ini");
    switch (inspect(m_place)) {
    case Found::NotAFile:
        m_problem = problem(kNotAFile, m_place);
        return;
    case Found::Unreadable:
        m_problem = problem(kUnreadable, m_place);
        return;
    case Found::Damaged:
        if (!setAside(m_place)) {
            m_problem = problem(kStuck, m_place);
            return;
        }
        break;
    case Found::Nothing:
    case Found::Sound:
        break;
    }
    m_settings = std::make_unique<QSettings>(m_place, QSettings::IniFormat);
}

bool UserSettings::Save(const QString& name, const QString& value) {
    if (!writeThrough(name, value))
        return false;
    // Qt writes the file's other values back in its own spelling, which can show a stored variant
    // that the file as read kept hidden (split by quotes, say): the next start would set the file
    // aside, and this value with it. So it goes aside now, and the value into a new file.
    if (inspect(m_place) != Found::Damaged)
        return true;
    m_settings.reset();
    if (!setAside(m_place)) {
        m_problem = problem(kStuck, m_place);
        return false;
    }
    m_settings = std::make_unique<QSettings>(m_place, QSettings::IniFormat);
    return writeThrough(name, value);
}

} // namespace platform
