#pragma once

class modHelp;
namespace forms {
class Form;
}

// Leaving a working window hands over to the exit promotion screen; the process ends only
// when the user leaves that screen. It moves windows about and needs nothing else of them.
class ExitHandoff {
public:
    explicit ExitHandoff(modHelp& help) : m_help(help) {}
    // The windows it moves. They are made after it, since two of them hand over through it;
    // given once, before any of them is loaded.
    void SetWindows(forms::Form& startup, forms::Form& main, forms::Form& result,
                    forms::Form& exitScreen) {
        m_startup = &startup;
        m_main = &main;
        m_result = &result;
        m_exitScreen = &exitScreen;
    }

    // Shows the exit screen, hides the start-up window and unloads the window being left.
    void Run(forms::Form& leaving);
    // Run's first two steps, each carrying on past a failure, for a window whose unload is
    // already under way (the result window's).
    void HandOverWithoutUnloading();
    // The result window's Back: unload it, show the main window, then hide the start-up window
    // and the exit screen again. Each step runs even if the one before failed.
    void Back();

private:
    void showExitScreen();

    modHelp& m_help;
    forms::Form* m_startup = nullptr;
    forms::Form* m_main = nullptr;
    forms::Form* m_result = nullptr;
    forms::Form* m_exitScreen = nullptr;
};
