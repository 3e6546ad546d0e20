#pragma once

#include <QWidget>
#include <cstdio>

// A top-level window that says on stdout when it is on screen, for runs without a window watcher.
class ShownWindow : public QWidget {
protected:
    void showEvent(QShowEvent* event) override {
        QWidget::showEvent(event);
        std::printf("shown\n");
        std::fflush(stdout);
    }
};
