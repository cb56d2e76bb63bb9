#include "mainwindow/accessiblelists.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace qm {

namespace {

class NamedListAccessible : public QAccessibleWidget
{
public:
    explicit NamedListAccessible(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *box = static_cast<const QComboBox *>(widget());
        switch (t) {
        case QAccessible::Name:
            return box->accessibleName();
        case QAccessible::Value:
            return box->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface *namedListFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("QComboBox"))
        return nullptr;
    auto *box = qobject_cast<QComboBox *>(object);
    // A list without a name of its own keeps the platform's interface.
    if (!box || box->accessibleName().isEmpty())
        return nullptr;
    return new NamedListAccessible(box);
}

} // namespace

void installNamedListAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(namedListFactory);
}

} // namespace qm
