#include "platform/user_settings.h"

#include <QFile>
#include <cstring>

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

} // namespace

bool SetAsideIfDamaged(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !holdsStoredVariant(file.readAll()))
        return false;
    file.close();
    QFile::remove(path + QLatin1String(".damaged"));
    return QFile::rename(path, path + QLatin1String(".damaged"));
}

std::unique_ptr<QSettings> OpenIniSettings(const QString& path) {
    SetAsideIfDamaged(path);
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

} // namespace platform
