// Renders each window to a PNG without a display, to look at the layouts, in the language LANG
// asks for:
//   render_windows <output folder> [name]
#include "app/translations.h"
#include "fakes.h"
#include "forms/text_box.h"
#include "tested_program.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace {
bool save(forms::Form& form, const QString& folder, const char* file) {
    QWidget* w = form.Window();
    if (!w)
        return false;
    w->show();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(QLatin1String(file));
    if (!w->grab().save(path))
        return false;
    std::printf("%s\n", qPrintable(path));
    return true;
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app::Translations translations(app::Translations::DesktopLanguages());
    translations.Install();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    fakes::TestPlatform fake;
    fake.random.m_values = {0.0f}; // draws 1: the co-branding offer in front
    TestedProgram program(fake.platform);
    program.Start();
    bool ok = save(program.m_main, folder, "frmMain.png");

    program.m_main.Control<forms::FormTextBox>(QStringLiteral("txtFirstName"))
        ->SetText(QStringLiteral("JOHN"));
    program.m_main.Control<forms::FormTextBox>(QStringLiteral("txtLastName"))
        ->SetText(QStringLiteral("SMITH"));
    program.m_main.cmdNext_Click();
    ok = save(program.m_result, folder, "frmInnerDrmOrPerNo.png") && ok;

    program.m_about.Load();
    ok = save(program.m_about, folder, "frmAbout.png") && ok;
    program.m_about.Unload();

    program.m_nag.Load();
    ok = save(program.m_nag, folder, "frmNagScreen2.png") && ok;
    return ok ? 0 : 1;
}
