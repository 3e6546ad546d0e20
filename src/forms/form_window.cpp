#include "forms/form_window.h"

#include "forms/design.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace forms {

FormWindow::FormWindow(QWidget* owner)
    : QWidget(owner, owner ? Qt::Dialog : Qt::Window), m_client(new QWidget(this)) {
    setWindowFlags(windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_client);
    m_client->setAutoFillBackground(true);
}

void FormWindow::SetMenuBar(QMenuBar* bar) { static_cast<QVBoxLayout*>(layout())->setMenuBar(bar); }

void FormWindow::SetCaption(const QString& caption) {
    setWindowTitle(caption);
    setAccessibleName(StripAccessKeys(caption));
}

void FormWindow::CentreOnScreen() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A window's position is that of its frame; until the window manager has framed it, the
    // frame is the window itself.
    const QRect area = screen->availableGeometry();
    const QSize frame = frameGeometry().size();
    const QPoint centred = area.center() - QPoint(frame.width() / 2, frame.height() / 2);
    // One larger than the screen keeps its title bar and left edge on it.
    move(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
    m_centreOnFrame = frameGeometry() == geometry();
}

bool FormWindow::event(QEvent* event) {
    // The frame arrives after the window is shown: centre once more on the framed size. The
    // events looked at come only after construction.
    const auto type = event->type();
    const bool placing = type == QEvent::Move || type == QEvent::Resize || type == QEvent::Expose ||
                         type == QEvent::UpdateRequest || type == QEvent::WindowActivate;
    if (placing && m_centreOnFrame && isVisible() && frameGeometry() != geometry())
        CentreOnScreen();
    return QWidget::event(event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The close box unloads, exactly like an unload from code.
    event->ignore();
    emit CloseRequested();
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // The keypad's Enter is the same key to the user.
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && m_default &&
        m_default->isEnabled()) {
        m_default->click();
        return;
    }
    if (event->key() == Qt::Key_Escape && m_cancel && m_cancel->isEnabled()) {
        m_cancel->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace forms
