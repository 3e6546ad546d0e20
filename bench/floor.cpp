// The smallest Qt Widgets program with a window: an application object, one top-level widget
// with a label, shown. Anything Lunavik takes beyond this at start-up is its own doing.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

namespace {
// Says on stdout when the window is on screen, for runs without a window watcher.
class Window : public QWidget {
protected:
    void showEvent(QShowEvent* event) override {
        QWidget::showEvent(event);
        std::printf("shown\n");
        std::fflush(stdout);
    }
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Window window;
    window.setWindowTitle(QStringLiteral("Lunavik floor"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Floor"), &window));
    window.resize(400, 300);
    window.show();
    return app.exec();
}
