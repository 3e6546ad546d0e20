// The smallest Qt Widgets program with a window: an application object, one top-level widget
// with a label, shown. Anything Lunavik takes beyond this at start-up is its own doing.
#include "shown_window.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ShownWindow window;
    window.setWindowTitle(QStringLiteral("Lunavik floor"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Floor"), &window));
    window.resize(400, 300);
    window.show();
    return app.exec();
}
