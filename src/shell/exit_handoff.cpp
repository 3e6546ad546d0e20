#include "shell/exit_handoff.h"

#include "forms/forms.h"
#include "shell/carry_on.h"
#include "shell/mod_help.h"

// While the process is ending, a window's unload must not bring the exit screen up again.
void ExitHandoff::showExitScreen() {
    if (!m_help.IsShuttingDown())
        m_exitScreen->Show();
}

void ExitHandoff::Run(forms::Form& leaving) {
    showExitScreen();
    m_startup->Hide();
    leaving.Unload();
}

void ExitHandoff::HandOverWithoutUnloading() {
    CarryOn([this] { showExitScreen(); });
    CarryOn([this] { m_startup->Hide(); });
}

void ExitHandoff::Back() {
    CarryOn([this] { m_result->Unload(); });
    CarryOn([this] { m_main->Show(); });
    CarryOn([this] { m_startup->Hide(); });
    CarryOn([this] { m_exitScreen->Hide(); });
}
