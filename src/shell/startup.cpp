#include "shell/startup.h"

#include "shell/carry_on.h"
#include "shell/program.h"
#include "ui/colours.h"

#include <cmath>

frmStartup::frmStartup(Program& program) : forms::Form(program.runtime), m_program(program) {}

forms::FormDesign frmStartup::Design() const {
    forms::FormDesign d;
    d.name = QStringLiteral("frmStartup");
    d.caption = QString::fromLatin1(kAppTitle);
    d.clientWidth = 1500;
    d.clientHeight = 1500;
    return d;
}

QIcon frmStartup::IMGIcon(int index) const {
    return index >= 1 && index <= m_icons.size() ? m_icons.at(index - 1) : QIcon();
}

void frmStartup::Form_Load() {
    m_icons = {runtime().applicationIcon()};
    platform::Platform& p = m_program.platform;
    if (p.instance.AnotherInstanceRunning()) {
        const QString leftover = p.instance.BlockingLock();
        CarryOn([&] {
            if (leftover.isEmpty())
                m_program.Message(QStringLiteral("Application is already running"),
                                  platform::MsgIcon::Information);
            else
                m_program.Message(QStringLiteral("Lunavik cannot start: its lock file\r\r%1\r\r"
                                                 "is left over from an earlier run and cannot be "
                                                 "removed. Remove it, then start Lunavik again.")
                                      .arg(leftover),
                                  platform::MsgIcon::Critical);
        });
        m_program.help.UnloadAllAndEnd();
        return;
    }
    CarryOn([&] { p.random.Randomize(); });
    CarryOn([&] { m_program.help.CheckForUpdate(); });
    CarryOn([&] { m_program.main.Show(); });
    CarryOn([&] { Hide(); });
    CarryOn([&] { CoBrand_Randomize(); });
}

void frmStartup::Form_Unload() { m_program.help.UnloadAllAndEnd(); }

void frmStartup::CoBrand_Randomize() {
    const float r = m_program.platform.random.Rnd();
    // Nearest integer with halves to even, in single precision.
    const float v = std::nearbyint(r * 6.0f + 1.0f);
    intCoBrandRandomNumber = static_cast<qint16>(v);
    switch (intCoBrandRandomNumber) {
    case 1:
    case 3:
    case 5:
        m_program.main.BringToFront(QStringLiteral("lblCobrand"));
        break;
    case 2:
    case 4:
    case 6:
        m_program.main.BringToFront(QStringLiteral("lblFullBrand"));
        break;
    default:
        break; // 7: the design's stacking stays
    }
}
