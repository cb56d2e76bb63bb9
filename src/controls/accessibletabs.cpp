#include "controls/accessibletabs.h"

#include "controls/flatpanel.h"
#include "controls/tabbutton.h"

#include <QAccessibleWidget>

namespace qm {
namespace {

class TabButtonAccessible : public QAccessibleWidget
{
public:
    explicit TabButtonAccessible(TabButton *tab) : QAccessibleWidget(tab, QAccessible::PageTab) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = tab()->buttonState() == ButtonState::bsDown;
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && tab()->isEnabled())
            tab()->click();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    TabButton *tab() const { return static_cast<TabButton *>(widget()); }
};

// The role follows the children: a panel behind tab buttons is their list, any other a plain
// panel.
class FlatPanelAccessible : public QAccessibleWidget
{
public:
    explicit FlatPanelAccessible(FlatPanel *panel) : QAccessibleWidget(panel, QAccessible::Client) {}

    QAccessible::Role role() const override
    {
        return widget()->findChild<TabButton *>(QString(), Qt::FindDirectChildrenOnly) ? QAccessible::PageTabList
                                                                                       : QAccessible::Client;
    }
};

QAccessibleInterface *tabInterface(const QString &, QObject *object)
{
    if (auto *tab = qobject_cast<TabButton *>(object))
        return new TabButtonAccessible(tab);
    if (auto *panel = qobject_cast<FlatPanel *>(object))
        return new FlatPanelAccessible(panel);
    return nullptr;
}

} // namespace

void installTabAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(tabInterface);
        return true;
    }();
    (void)installed;
}

} // namespace qm
