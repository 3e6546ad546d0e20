#include "shell/program.h"

#include "platform/app_icon.h"

Program::Program(platform::Platform& platform)
    : platform(platform), runtime(platform), help(*this), tellAFriend(*this), startup(*this),
      main(*this), result(*this), about(*this), nag(*this) {
    runtime.SetApplicationIcon(platform::ApplicationIcon());
}

void Program::Start() {
    startup.Load();
}
