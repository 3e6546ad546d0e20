#pragma once

#include <QWidget>

class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;

namespace forms {

// A text box drawn flat, around a Qt editor that takes the focus and the keys (the box's focus
// proxy). Typed characters pass through KeyPress first: the handler gets the character code by
// reference and may replace it, or discard the key by setting 0. Text that arrives otherwise
// (pasted, dropped) does not pass through it.
class FormTextBox : public QWidget {
    Q_OBJECT
public:
    virtual QString Text() const = 0;
    virtual void SetText(const QString& text) = 0;
    // Replaces the selection (or inserts at the caret) and leaves the caret after it.
    virtual void SetSelText(const QString& text) = 0;
    virtual void SetSelStart(int position) = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
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
    explicit FormTextBox(QWidget* parent);
    // Called once by each kind of box with the editor it made as a child of the box.
    void adopt(QWidget* editor);
    virtual bool isReadOnly() const = 0;
    // Puts a character the KeyPress handler replaced where the typed one would have gone.
    virtual void insertTyped(const QString& text) = 0;
    // The editor has taken a mouse release: MouseUp, and Click for the left button.
    void released(Qt::MouseButton button);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool filterKey(QKeyEvent* event);

    QWidget* m_editor = nullptr;
};

// One line of at most 32,767 characters; a longer text set or pasted is cut there.
class SingleLineTextBox final : public FormTextBox {
    Q_OBJECT
public:
    explicit SingleLineTextBox(QWidget* parent = nullptr);
    QString Text() const override;
    void SetText(const QString& text) override;
    void SetSelText(const QString& text) override;
    void SetSelStart(int position) override;
    void SetReadOnly(bool readOnly) override;

protected:
    bool isReadOnly() const override;
    void insertTyped(const QString& text) override;

private:
    QLineEdit* m_edit;
};

// Word-wrapped lines. Its text uses CR LF line breaks, as the rest of the program does, and
// positions count a line break as those two characters.
class MultiLineTextBox final : public FormTextBox {
    Q_OBJECT
public:
    MultiLineTextBox(bool verticalScroll, QWidget* parent = nullptr);
    QString Text() const override;
    void SetText(const QString& text) override;
    void SetSelText(const QString& text) override;
    void SetSelStart(int position) override;
    void SetReadOnly(bool readOnly) override;

protected:
    bool isReadOnly() const override;
    void insertTyped(const QString& text) override;

private:
    QPlainTextEdit* m_edit;
};

} // namespace forms
