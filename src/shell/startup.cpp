#include "shell/startup.h"

#include "shell/program.h"
#include "ui/colours.h"

#include <cmath>
#include <exception>

namespace {
// The sequence carries on past a failing step.
template <class Step> void step(Step run) {
    try {
        run();
    } catch (const std::exception&) {
    }
}
} // namespace

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
        step([&] {
            p.messageBox.Show(QStringLiteral("Application is already running"),
                              platform::MsgIcon::Information, platform::MsgButtons::Ok,
                              QString::fromLatin1(kAppTitle));
        });
        m_program.help.UnloadAllAndEnd();
        return;
    }
    step([&] { p.random.Randomize(); });
    step([&] { m_program.help.CheckForUpdate(); });
    step([&] { m_program.main.Show(); });
    step([&] { Hide(); });
    step([&] { CoBrand_Randomize(); });
}

void frmStartup::Form_Unload() {
    m_program.help.UnloadAllAndEnd();
}

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
