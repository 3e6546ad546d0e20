#pragma once

#include <QString>
#include <QStringView>
#include <string_view>

namespace forms {

// A window's text as the engine reads it: its UTF-16 code units, without a copy. The view lasts
// as long as the text is neither changed nor destroyed.
inline std::u16string_view Utf16View(const QString& text) {
    return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

} // namespace forms
