#pragma once

#include <QPointer>
#include <QWidget>

namespace qm {

// Suspends the repainting of a window for its lifetime and always resumes it, whatever leaves
// the scope; a window already suspended by an outer guard stays suspended.
class UpdatesGuard
{
public:
    explicit UpdatesGuard(QWidget *widget) : m_widget(widget), m_wasEnabled(widget && widget->updatesEnabled())
    {
        if (m_wasEnabled)
            m_widget->setUpdatesEnabled(false);
    }
    ~UpdatesGuard()
    {
        if (m_wasEnabled && m_widget)
            m_widget->setUpdatesEnabled(true);
    }
    UpdatesGuard(const UpdatesGuard &) = delete;
    UpdatesGuard &operator=(const UpdatesGuard &) = delete;

private:
    QPointer<QWidget> m_widget;
    bool m_wasEnabled;
};

} // namespace qm
