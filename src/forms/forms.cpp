#include "forms/forms.h"

#include <QAction>
#include <QEventLoop>
#include <QScopeGuard>
#include <algorithm>

namespace forms {

FormsRuntime::FormsRuntime(platform::Platform& platform) : m_platform(platform) {}

void FormsRuntime::added(Form* form) {
    if (std::find(m_loaded.begin(), m_loaded.end(), form) == m_loaded.end())
        m_loaded.push_back(form);
}

void FormsRuntime::removed(Form* form) {
    m_loaded.erase(std::remove(m_loaded.begin(), m_loaded.end(), form), m_loaded.end());
}

Form::Form(FormsRuntime& runtime) : m_runtime(runtime) {}

Form::~Form() {
    m_runtime.removed(this);
    // The derived window is gone by now: nothing may reach its handlers.
    releaseWindow(true);
}

void Form::releaseWindow(bool now) {
    FormWindow* w = m_window;
    if (!w)
        return;
    m_window = nullptr;
    // Released widgets raise no more events here: hiding or deleting them moves the focus,
    // and a reloaded window has widgets of its own.
    QObject::disconnect(w, nullptr, this, nullptr);
    for (QObject* child : w->findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
    w->hide();
    if (now)
        delete w;
    else
        w->deleteLater(); // the unload may run inside one of the window's own events
}

bool Form::IsVisible() const { return m_window && m_window->isVisible(); }

void Form::Load() {
    if (IsLoaded())
        return;
    auto* window = new FormWindow(owner());
    connect(window, &FormWindow::CloseRequested, this, &Form::Unload);
    m_built = BuildWindow(Design(), *window, m_runtime.ApplicationIcon());
    m_window = window;
    m_runtime.added(this);
    bind();
    Form_Load();
}

void Form::Show(ShowMode mode) {
    Load();
    if (!m_window)
        return; // Form_Load unloaded it again
    const bool placing = !m_placed;
    if (placing) {
        placeCentred();
        m_placed = true;
    }
    const bool wasVisible = IsVisible();
    if (mode == ShowMode::Modal)
        m_window->setWindowModality(Qt::ApplicationModal);
    m_window->show();
    // Where the platform frames the window as it is shown, centre on the framed size at once.
    if (placing && m_window->frameGeometry() != m_window->geometry())
        m_window->CentreOnScreen();
    if (!wasVisible) {
        const auto order = TabOrder();
        if (!order.empty())
            order.front()->setFocus(Qt::OtherFocusReason);
    }
    if (!m_window->testAttribute(Qt::WA_ShowWithoutActivating)) {
        m_window->raise();
        m_window->activateWindow();
    }
    if (mode == ShowMode::Modal) {
        QEventLoop loop;
        connect(this, &Form::Closed, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::DialogExec);
        if (m_window)
            m_window->setWindowModality(Qt::NonModal);
    }
}

void Form::Hide() {
    if (!m_window)
        return;
    m_window->hide();
    emit Closed();
}

void Form::Unload() {
    if (!IsLoaded() || m_unloading)
        return;
    m_unloading = true;
    // The widgets go even when the unload handler failed: a reload must start afresh.
    const auto finish = qScopeGuard([this] {
        m_runtime.removed(this);
        unbind();
        m_built = {};
        releaseWindow(false);
        m_placed = false;
        m_unloading = false;
        emit Closed();
    });
    Form_Unload();
}

QWidget* Form::Control(const QString& name) const {
    const auto it = m_built.controls.find(name);
    return it == m_built.controls.end() ? nullptr : it->second.data();
}

QAction* Form::MenuEntry(const QString& name) const {
    const auto it = m_built.menu.find(name);
    return it == m_built.menu.end() ? nullptr : it->second;
}

QAction* Form::RequireEntry(const char* name) const {
    QAction* entry = MenuEntry(QLatin1String(name));
    if (!entry)
        missing("menu entry", name);
    return entry;
}

void Form::missing(const char* what, const char* name) const {
    const QString window = m_window ? m_window->objectName() : Design().name;
    qFatal("Window %s has no %s %s of the kind its code expects", qUtf8Printable(window), what,
           name);
}

void Form::SetCaption(const QString& caption) {
    if (m_window)
        m_window->SetCaption(caption);
}

void Form::SetIcon(const QIcon& icon) {
    if (m_window)
        m_window->setWindowIcon(icon);
}

void Form::SetTopmost() {
    if (!m_window)
        return;
    const bool visible = IsVisible();
    m_window->setAttribute(Qt::WA_ShowWithoutActivating);
    m_window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (visible)
        m_window->show(); // changing the flags hides a shown window
}

std::vector<QWidget*> Form::TabOrder() const {
    std::vector<QWidget*> order;
    for (QWidget* w : m_built.tabStops)
        if (w->isVisibleTo(m_window) && w->isEnabled())
            order.push_back(w);
    return order;
}

void Form::placeCentred() {
    m_window->adjustSize();
    m_window->CentreOnScreen();
}

} // namespace forms
