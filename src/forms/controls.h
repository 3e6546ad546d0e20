#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <optional>

// The control kinds windows are built from, with the events their handlers expect (text boxes
// in text_box.h).
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
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitCaption();

    QString m_caption;
    QString m_shown;
    std::optional<QFont> m_designFont; // before any fitting
    bool m_unfitted = false;           // until it is shown
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
    std::optional<QFont> m_designFont; // before any fitting
    bool m_flat = false;
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
