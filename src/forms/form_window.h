#pragma once

#include <QPointer>
#include <QPushButton>
#include <QWidget>

class QMenuBar;

namespace forms {

// The top-level widget of a loaded window: the client area under an optional menu bar, placed
// centred, with Enter and Escape pressing its default and cancel buttons. Its close box asks
// its form to unload rather than closing.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(QWidget* owner);
    QWidget* Client() const { return m_client; }
    void SetMenuBar(QMenuBar* bar);
    void SetDefaultButton(QPushButton* button) { m_default = button; }
    void SetCancelButton(QPushButton* button) { m_cancel = button; }
    // The title bar shows the caption as designed; assistive technology reads it without its
    // access-key marks.
    void SetCaption(const QString& caption);
    // Centres the whole window, frame included, on its screen's free area.
    void CentreOnScreen();

signals:
    void CloseRequested();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_centreOnFrame = false; // not framed yet when last centred; set before any child
    QWidget* m_client;
    QPointer<QPushButton> m_default, m_cancel;
};

} // namespace forms
