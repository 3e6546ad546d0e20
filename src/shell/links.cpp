#include "build_config.h"
#include "forms/controls.h"
#include "platform/services.h"
#include "shell/mod_help.h"

QString modHelp::PageUrl(const char* pageKey) {
    return QStringLiteral(LUNAVIK_SITE_BASE "/lunavik/ssd.php?page=") + QLatin1String(pageKey);
}

void modHelp::open(const char* pageKey) { m_platform.urls.Open(PageUrl(pageKey)); }

void modHelp::OpenSoftwaresPage() { open("orvanethsoftwares"); }
void modHelp::OpenDonatePage() { open("donate"); }
void modHelp::OpenHelpPage() { open("help-web-page"); }
void modHelp::OpenCoBrandPage() { open("co-brand"); }
void modHelp::OpenFullBrandPage() { open("fully-branded"); }
void modHelp::OpenHomePage() { open("home-page"); }
void modHelp::OpenDownloadPage() { open("download-web-page"); }

void modHelp::CheckBoxLink_Click(forms::FormCheckButton& box) {
    if (box.Value() != 1)
        return;
    box.SetValue(0); // raises a Click of its own, which finds 0 and does nothing
    OpenHomePage();
}
