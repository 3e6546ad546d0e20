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
    using Program::m_about;
    using Program::m_help;
    using Program::m_main;
    using Program::m_nag;
    using Program::m_result;
    using Program::m_runtime;
    using Program::m_startup;
    using Program::m_tellAFriend;
    using Program::Program;

    // A window by its design name; a name that is none of them fails the test.
    forms::Form& FormNamed(const std::string& designName) {
        if (designName == "frmMain")
            return m_main;
        if (designName == "frmInnerDrmOrPerNo")
            return m_result;
        if (designName == "frmAbout")
            return m_about;
        if (designName == "frmNagScreen2")
            return m_nag;
        if (designName == "frmStartup")
            return m_startup;
        throw std::invalid_argument("no window is named " + designName);
    }
};
