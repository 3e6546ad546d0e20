#include "shell/exit_handoff.h"

#include "app/program.h"
#include "shell/carry_on.h"

namespace exit_handoff {

namespace {
// While the process is ending, a window's unload must not bring the exit screen up again.
void showExitScreen(Program& program) {
    if (!program.help.IsShuttingDown())
        program.nag.Show();
}
} // namespace

void Run(Program& program, forms::Form& leaving) {
    showExitScreen(program);
    program.startup.Hide();
    leaving.Unload();
}

void RunForResultWindow(Program& program) {
    CarryOn([&] { showExitScreen(program); });
    CarryOn([&] { program.startup.Hide(); });
}

void Back(Program& program) {
    CarryOn([&] { program.result.Unload(); });
    CarryOn([&] { program.main.Show(); });
    CarryOn([&] { program.startup.Hide(); });
    CarryOn([&] { program.nag.Hide(); });
}

} // namespace exit_handoff
