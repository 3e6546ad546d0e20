#include "forms/forms.h"
#include "shell/carry_on.h"
#include "shell/mod_help.h"

void modHelp::UnloadAllAndEnd() {
    m_shuttingDown = true;
    // A copy: unloading changes the collection under our feet.
    const std::vector<forms::Form*> loaded = m_runtime.Forms();
    for (forms::Form* form : loaded) {
        if (m_ended)
            break; // a nested run already finished the job
        if (!form->IsLoaded() || form->IsUnloading())
            continue;
        CarryOn([form] { form->Unload(); }); // a failing window must not keep the process alive
    }
    if (!m_ended) {
        m_ended = true;
        m_platform.ender.End(0);
    }
}
