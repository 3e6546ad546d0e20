#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

// The control kinds windows are built from, with the events their handlers expect.
namespace forms {

// A label: transparent or filled, word-wrapped or auto-sized; as a link it is underlined,
// shows a pointing hand and raises Click.
class FormLabel : public QLabel {
    Q_OBJECT
public:
    explicit FormLabel(QWidget* parent = nullptr);
    // Shows a design caption: "&&" as one ampersand, "&x" underlines x.
    void SetCaption(const QString& caption);
    QString Caption() const { return m_caption; }
    void SetAutoSize(bool on);
    // A link label: assistive technology offers its Click as an action.
    void SetLink(bool on) { m_link = on; }
    bool IsLink() const { return m_link; }

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_caption;
    bool m_autoSize = false;
    bool m_link = false;
    bool m_pressed = false;
};

// A titled or untitled frame, painted flat (single line) or etched.
class FormFrame : public QWidget {
    Q_OBJECT
public:
    explicit FormFrame(QWidget* parent = nullptr);
    void SetCaption(const QString& caption);
    QString Caption() const { return m_caption; }
    void SetFlat(bool flat);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    bool m_flat = false;
};

// A single- or multi-line text box drawn flat. Typed characters pass through KeyPress first:
// the handler gets the character code by reference and may replace it, or discard the key by
// setting 0. Text that arrives otherwise (pasted, dropped) does not pass through it.
// Multi-line text uses CR LF line breaks, as the rest of the program does.
class FormTextBox : public QWidget {
    Q_OBJECT
public:
    FormTextBox(bool multiLine, bool verticalScroll, QWidget* parent = nullptr);

    QString Text() const;
    void SetText(const QString& text);
    // Replaces the selection (or inserts at the caret) and leaves the caret after it.
    void SetSelText(const QString& text);
    int SelStart() const;
    void SetSelStart(int position);
    QString SelectedText() const;
    void SetReadOnly(bool readOnly);
    bool IsMultiLine() const { return m_plain != nullptr; }
    QWidget* editor() const; // the Qt widget that takes focus and keys
    // The name screen readers give the box, carried by the editor that takes the focus too.
    void SetSpokenName(const QString& name);

signals:
    void Change();
    void Click();
    void KeyPress(int& keyAscii);
    void GotFocus();
    void LostFocus();
    void MouseDown();
    void MouseMove();
    void MouseUp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool filterKey(QKeyEvent* event);
    void insertTyped(const QString& text);

    QLineEdit* m_line = nullptr;
    QPlainTextEdit* m_plain = nullptr;
    bool m_releasing = false; // while the editor takes a mouse release before the handlers
};

// A check box in push-button style: Value 1 shows it pressed in. Like the runtime it
// imitates, setting Value from code raises Click too.
class FormCheckButton : public QPushButton {
    Q_OBJECT
public:
    explicit FormCheckButton(QWidget* parent = nullptr);
    int Value() const { return isChecked() ? 1 : 0; }
    void SetValue(int value);

signals:
    void Click();
};

} // namespace forms
