#pragma once

class Program;
namespace forms {
class Form;
}

// Leaving a working window hands over to the exit promotion screen; the process ends only
// when the user leaves that screen.
namespace exit_handoff {

// Shows the exit screen, hides the start-up window and unloads the window being left.
void Run(Program& program, forms::Form& leaving);
// The result window's unload: the first two steps of Run, each carrying on past a failure.
void RunForResultWindow(Program& program);
// The result window's Back: unload it, show the main window, then hide the start-up window
// and the exit screen again. Each step runs even if the one before failed.
void Back(Program& program);

} // namespace exit_handoff
