#include "app/program.h"

#include "forms/accessible_interfaces.h"
#include "forms/unheard.h"
#include "platform/app_icon.h"

void Program::InstallAccessibility() {
    forms::InstallAccessibleInterfaces();
    forms::InstallUnheardFilter();
}

Program::Program(platform::Platform& services, bool updateReminder)
    : m_runtime(services), m_help(services, m_runtime, updateReminder), m_tellAFriend(services),
      m_handoff(m_help), m_result(m_runtime, m_help, m_handoff),
      m_main(m_runtime, m_help, m_handoff, m_result), m_about(m_runtime, m_help, m_main),
      m_startup(m_runtime, m_help, m_main), m_nag(m_runtime, m_help, m_tellAFriend, m_startup) {
    m_handoff.SetWindows(m_startup, m_main, m_result, m_nag);
    m_main.SetAboutBox(m_about);
    m_runtime.SetApplicationIcon(platform::ApplicationIcon());
}

void Program::Start() { m_startup.Load(); }
