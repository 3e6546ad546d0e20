#pragma once

#include "app/program.h"

#include <stdexcept>
#include <string>

// The windows that show the designs, by their design names.
inline constexpr const char* kWindows[] = {"frmMain", "frmInnerDrmOrPerNo", "frmAbout",
                                           "frmNagScreen2"};

// The program with its windows and modules open to the tests.
class TestedProgram : public Program {
public:
    using Program::Program;
    frmAbout& about = m_about;
    modHelp& help = m_help;
    frmMain& main = m_main;
    frmNagScreen2& nag = m_nag;
    frmInnerDrmOrPerNo& result = m_result;
    forms::FormsRuntime& runtime = m_runtime;
    frmStartup& startup = m_startup;
    modTellAFriend& tellAFriend = m_tellAFriend;

    // A window by its design name; a name that is none of them fails the test.
    forms::Form& form(const std::string& designName) {
        if (designName == "frmMain")
            return main;
        if (designName == "frmInnerDrmOrPerNo")
            return result;
        if (designName == "frmAbout")
            return about;
        if (designName == "frmNagScreen2")
            return nag;
        if (designName == "frmStartup")
            return startup;
        throw std::invalid_argument("no window is named " + designName);
    }
};
