#pragma once

#include <QProxyStyle>

namespace platform {

// The desktop's style, except that the menu bar's overflow arrow is drawn here: loading the
// style's own picture would load every image format plugin at start-up, for an arrow these
// fixed-size windows never show.
class LightStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace platform
