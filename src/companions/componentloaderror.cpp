#include "companions/componentloaderror.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace qm {

void criticalErrorBox(QWidget *parent, const QString &message)
{
    QMessageBox::critical(parent, QGuiApplication::applicationDisplayName(), message);
}

bool catchComponentLoadError(QWidget *parent, const std::function<void()> &call, const ErrorBox &box)
{
    try {
        call();
        return true;
    } catch (const ComponentLoadError &error) {
        if (box)
            box(parent, error.message());
        return false;
    }
}

} // namespace qm
