#include "app/program.h"

#include "forms/accessible_interfaces.h"
#include "forms/announcements.h"
#include "platform/app_icon.h"

void Program::InstallAccessibility() {
    forms::InstallAccessibleInterfaces();
    forms::InstallAnnouncementFilter();
}

Program::Program(platform::Platform& services, bool updateReminder)
    : platform(services), runtime(services), help(services, runtime, updateReminder),
      tellAFriend(services), main(runtime, help, handoff, result, about),
      result(runtime, help, handoff), about(runtime, help, main),
      startup(runtime, help, main, main), nag(runtime, help, tellAFriend, startup),
      handoff(help, startup, main, result, nag) {
    runtime.SetApplicationIcon(platform::ApplicationIcon());
}

void Program::Start() { startup.Load(); }
