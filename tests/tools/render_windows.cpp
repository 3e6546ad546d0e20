// Renders each window to a PNG without a display, to look at the layouts, in the language LANG
// asks for:
//   render_windows <output folder> [name]
#include "app/translations.h"
#include "fakes.h"
#include "tested_program.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace {
bool save(forms::Form& form, const QString& folder, const char* file) {
    QWidget* w = form.window();
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
    fake.random.values = {0.0f}; // draws 1: the co-branding offer in front
    TestedProgram program(fake.platform);
    program.Start();
    bool ok = save(program.main, folder, "frmMain.png");

    program.main.Control<forms::FormTextBox>(QStringLiteral("txtFirstName"))
        ->SetText(QStringLiteral("JOHN"));
    program.main.Control<forms::FormTextBox>(QStringLiteral("txtLastName"))
        ->SetText(QStringLiteral("SMITH"));
    program.main.cmdNext_Click();
    ok = save(program.result, folder, "frmInnerDrmOrPerNo.png") && ok;

    program.about.Load();
    ok = save(program.about, folder, "frmAbout.png") && ok;
    program.about.Unload();

    program.nag.Load();
    ok = save(program.nag, folder, "frmNagScreen2.png") && ok;
    return ok ? 0 : 1;
}
