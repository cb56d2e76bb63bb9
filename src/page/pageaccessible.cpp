#include "page/pageaccessible.h"

#include "page/pagepanel.h"
#include "page/sealcaptions.h"

#include <QAccessibleWidget>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

// One seal: named after the tool that makes its kind, described by its size and position,
// chosen alone by its focus action and added or taken out by its toggle action, as a click and
// a Ctrl+click do.
class SealAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    SealAccessible(PagePanel *page, Seal *seal) : m_page(page), m_seal(seal) {}

    bool isValid() const override { return m_page && m_page->indexOfSeal(m_seal) >= 0; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_page ? m_page->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_page.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        switch (t) {
        case QAccessible::Name:
            return sealAccessibleName(*m_seal);
        case QAccessible::Description:
            return sealAccessibleDescription(*m_seal);
        default:
            return {};
        }
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        return QRect(m_page->mapToGlobal(QPoint(m_seal->left(), m_seal->top())),
                     QSize(m_seal->width(), m_seal->height()));
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const PageSelectionAccess *access = m_page->selectionAccess();
        s.selectable = true;
        s.focusable = true;
        s.invisible = !m_seal->isVisible() || !m_page->isVisible();
        s.disabled = !m_page->isEnabled();
        if (access) {
            s.selected = access->isSealSelected(m_seal);
            s.focused = access->currentPageSeal() == m_seal && access->pageHasKeyboard();
        }
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        const PageSelectionAccess *access = isValid() ? m_page->selectionAccess() : nullptr;
        if (!access || !access->canChooseFromPage())
            return {};
        return {setFocusAction(), toggleAction()};
    }

    void doAction(const QString &name) override
    {
        if (!actionNames().contains(name))
            return;
        m_page->selectionAccess()->chooseFromPage(m_seal, name == toggleAction());
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<PagePanel> m_page;
    Seal *m_seal;
};

// The page: its children are the seals, bottom of the stack first; the current seal has the
// focus while the page's window holds the keyboard.
class PageAccessible : public QAccessibleWidget
{
public:
    explicit PageAccessible(PagePanel *page) : QAccessibleWidget(page, QAccessible::Client) {}

    int childCount() const override
    {
        const SealList *seals = page()->seals();
        return seals ? int(seals->size()) : 0;
    }

    QAccessibleInterface *child(int index) const override
    {
        const SealList *seals = page()->seals();
        if (!seals || index < 0 || index >= int(seals->size()))
            return nullptr;
        return page()->accessibleSeal(seals->at(size_t(index)).get());
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        Seal *seal = page()->sealAt(page()->mapFromGlobal(QPoint(x, y)));
        return seal ? page()->accessibleSeal(seal) : nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        const PageSelectionAccess *access = page()->selectionAccess();
        if (!access || !access->pageHasKeyboard())
            return nullptr;
        const Seal *current = access->currentPageSeal();
        const int i = current ? page()->indexOfSeal(current) : -1;
        return i >= 0 ? child(i) : nullptr;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.multiSelectable = true;
        s.extSelectable = true;
        return s;
    }

private:
    PagePanel *page() const { return static_cast<PagePanel *>(widget()); }
};

QAccessibleInterface *pageFactory(const QString &, QObject *object)
{
    if (auto *page = dynamic_cast<PagePanel *>(object))
        return new PageAccessible(page);
    return nullptr;
}

} // namespace

void installPageAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(pageFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QAccessibleInterface *newSealAccessible(PagePanel *page, Seal *seal)
{
    return new SealAccessible(page, seal);
}

} // namespace qm
