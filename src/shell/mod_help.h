#pragma once

#include <QString>

namespace forms {
class FormCheckButton;
class FormsRuntime;
} // namespace forms
namespace platform {
struct Platform;
}

// Links to the maker's pages, the update reminder and the shutdown sequence.
class modHelp {
public:
    // updateReminder false: CheckForUpdate never asks and never writes its setting, for
    // distributions that deliver updates themselves.
    modHelp(platform::Platform& platform, forms::FormsRuntime& runtime, bool updateReminder)
        : m_platform(platform), m_runtime(runtime), m_updateReminder(updateReminder) {}

    void OpenSoftwaresPage();
    void OpenDonatePage();
    void OpenHelpPage();
    void OpenCoBrandPage();
    void OpenFullBrandPage();
    void OpenHomePage();
    void OpenDownloadPage();

    // A check box used as a link: a click that checks it unchecks it again and opens the home
    // page, so it never stays checked and each click opens the page once.
    void CheckBoxLink_Click(forms::FormCheckButton& box);

    // Reminds the user, at most every fifteen days, to look for a newer version.
    void CheckForUpdate();

    // Unloads every loaded window and ends the process with status 0. Safe to re-enter from
    // an unload handler: the nested run finishes and the outer one never resumes.
    void UnloadAllAndEnd();
    bool IsShuttingDown() const { return m_shuttingDown; }

    // The program's folder on the maker's site, and the address of one of its pages there.
    static QString SiteFolderUrl();
    static QString PageUrl(const char* pageKey);
    // The maker's discussion board, as the windows name it.
    static QString BoardHost();
    // Hands the address to the browser; when none can be started (none installed, the address
    // too long for the system), a box says so instead of nothing happening.
    static void OpenInBrowser(platform::Platform& platform, const QString& url);

private:
    void open(const char* pageKey);
    void storeNow();

    platform::Platform& m_platform;
    forms::FormsRuntime& m_runtime;
    const bool m_updateReminder;
    bool m_shuttingDown = false;
    bool m_ended = false;
};
