#include "shell/exit_handoff.h"

#include "shell/program.h"

#include <exception>

namespace exit_handoff {

namespace {
template <class Step> void carryOn(Step step) {
    try {
        step();
    } catch (const std::exception&) {
        // A window that cannot be shown or hidden must not stop the steps after it.
    }
}
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
    carryOn([&] { showExitScreen(program); });
    carryOn([&] { program.startup.Hide(); });
}

void Back(Program& program) {
    carryOn([&] { program.result.Unload(); });
    carryOn([&] { program.main.Show(); });
    carryOn([&] { program.startup.Hide(); });
    carryOn([&] { program.nag.Hide(); });
}

} // namespace exit_handoff
