#include "shell/startup.h"

#include "shell/carry_on.h"
#include "shell/mod_help.h"
#include "shell/msg_box.h"

#include <cmath>

frmStartup::frmStartup(forms::FormsRuntime& runtime, modHelp& help, OfferWindow& main)
    : forms::Form(runtime), m_help(help), m_main(main) {}

forms::FormDesign frmStartup::Design() const {
    return {QStringLiteral("frmStartup"), QString::fromLatin1(kAppTitle), 1500, 1500};
}

QIcon frmStartup::IMGIcon(int index) const {
    return index >= 1 && index <= m_icons.size() ? m_icons.at(index - 1) : QIcon();
}

void frmStartup::Form_Load() {
    m_icons = {runtime().ApplicationIcon()};
    platform::Platform& p = platform();
    if (p.instance.AnotherInstanceRunning()) {
        const QString leftover = p.instance.BlockingLock();
        CarryOn([&] {
            if (leftover.isEmpty())
                MsgBox(p, tr("Application is already running"), platform::MsgIcon::Information);
            else
                MsgBox(p,
                       //: %1 is the path of the lock file; each carriage return starts a new line.
                       tr("Lunavik cannot start: its lock file\r\r%1\r\r"
                          "is left over from an earlier run and cannot be "
                          "removed. Remove it, then start Lunavik again.")
                           .arg(leftover),
                       platform::MsgIcon::Critical);
        });
        m_help.UnloadAllAndEnd();
        return;
    }
    CarryOn([&] { p.random.Randomize(); });
    CarryOn([this] { m_help.CheckForUpdate(); });
    CarryOn([this] { m_main.Show(); });
    CarryOn([this] { Hide(); });
    CarryOn([this] { CoBrand_Randomize(); });
}

void frmStartup::Form_Unload() { m_help.UnloadAllAndEnd(); }

void frmStartup::CoBrand_Randomize() {
    const float r = platform().random.Rnd();
    // Nearest integer with halves to even, in single precision.
    const float v = std::nearbyint(r * 6.0f + 1.0f);
    intCoBrandRandomNumber = static_cast<qint16>(v);
    switch (intCoBrandRandomNumber) {
    case 1:
    case 3:
    case 5:
        m_main.BringOfferToFront(OfferWindow::Offer::CoBrand);
        break;
    case 2:
    case 4:
    case 6:
        m_main.BringOfferToFront(OfferWindow::Offer::FullBrand);
        break;
    default:
        break; // 7: the design's stacking stays
    }
}
