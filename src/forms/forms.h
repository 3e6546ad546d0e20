#pragma once

#include "forms/builder.h"
#include "forms/design.h"
#include "forms/form_window.h"
#include "platform/services.h"

#include <QIcon>
#include <QPointer>
#include <QWidget>
#include <vector>

class QAction;

namespace forms {

class Form;

// The loaded windows and what all of them share. One per process.
class FormsRuntime {
public:
    explicit FormsRuntime(platform::Platform& platform);

    // The loaded windows, in the order they were loaded.
    const std::vector<Form*>& Forms() const { return m_loaded; }

    // The icon every window shows unless its design says otherwise.
    void SetApplicationIcon(const QIcon& icon) { m_icon = icon; }
    const QIcon& ApplicationIcon() const { return m_icon; }

private:
    friend class Form;
    platform::Platform& platform() { return m_platform; }
    void added(Form* form);
    void removed(Form* form);

    platform::Platform& m_platform;
    std::vector<Form*> m_loaded;
    QIcon m_icon;
};

// A window with the lifecycle of the forms runtime: loaded on first use (widgets built from
// the design, then Form_Load), shown modeless or modal, hidden with its contents kept,
// unloaded (Form_Unload, then the widgets are released; the next load starts again from the
// design values).
class Form : public QObject {
    Q_OBJECT
public:
    enum class ShowMode { Modeless, Modal };

    explicit Form(FormsRuntime& runtime);
    ~Form() override;

    virtual FormDesign Design() const = 0;

    bool IsLoaded() const { return m_window != nullptr; }
    bool IsUnloading() const { return m_unloading; }
    bool IsVisible() const;
    void Load();
    // Loads first when needed. Modal returns once the window is hidden or unloaded.
    void Show(ShowMode mode = ShowMode::Modeless);
    void Hide();
    void Unload();

    // The built widgets; null while not loaded.
    FormWindow* Window() const { return m_window; }
    QWidget* Control(const QString& name) const;
    template <class T> T* Control(const QString& name) const {
        return qobject_cast<T*>(Control(name));
    }
    QAction* MenuEntry(const QString& name) const;
    // The control of that name as a T, for a window's typed controls: a missing or misspelt
    // name, or a control of another kind, aborts naming the window and the control, so the
    // first load of the window in any test catches it.
    template <class T> T* Require(const char* name) const {
        T* control = Control<T>(QLatin1String(name));
        if (!control)
            missing("control", name);
        return control;
    }
    QAction* RequireEntry(const char* name) const;

    void SetCaption(const QString& caption);
    void SetIcon(const QIcon& icon);
    // Keeps the window above other applications' ordinary windows and shows it without
    // taking activation, for as long as it stays loaded.
    void SetTopmost();
    // The controls that take the focus, in tab order.
    std::vector<QWidget*> TabOrder() const;

signals:
    void Closed(); // hidden or unloaded; ends a modal Show

protected:
    FormsRuntime& runtime() const { return m_runtime; }
    platform::Platform& platform() const { return m_runtime.platform(); }
    virtual QWidget* owner() const { return nullptr; }
    // Takes hold of freshly built widgets and connects the handlers.
    virtual void bind() {}
    // Lets go of the widgets bind took hold of; they are released right after.
    virtual void unbind() {}
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

private:
    void placeCentred();
    void releaseWindow(bool now);
    [[noreturn]] void missing(const char* what, const char* name) const;

    FormsRuntime& m_runtime;
    QPointer<FormWindow> m_window;
    BuiltWindow m_built;
    bool m_unloading = false;
    bool m_placed = false;
};

} // namespace forms
