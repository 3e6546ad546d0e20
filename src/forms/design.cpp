#include "forms/design.h"

#include <cmath>

namespace forms {

int TwipsToPixels(int twips) { return static_cast<int>(std::floor(twips / 15.0 + 0.5)); }

QRect TwipsToRect(int left, int top, int width, int height) {
    const int x = TwipsToPixels(left);
    const int y = TwipsToPixels(top);
    return QRect(x, y, TwipsToPixels(left + width) - x, TwipsToPixels(top + height) - y);
}

QString StripAccessKeys(const QString& caption, int* markedIndex) {
    QString shown;
    shown.reserve(caption.size());
    int marked = -1;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != QLatin1Char('&') && marked < 0)
                marked = static_cast<int>(shown.size());
        }
        shown += caption[i];
    }
    if (markedIndex)
        *markedIndex = marked;
    return shown;
}

} // namespace forms
