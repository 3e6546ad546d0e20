// Test entry point for everything that needs widgets: runs offscreen unless the test says which
// platform, and sends any settings to a throw-away folder, so tests never touch the user's
// desktop or files.
#include "app/program.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit()); // private, as a session's is
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Program::InstallAccessibility(); // as main does
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
