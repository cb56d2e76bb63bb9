#pragma once

#include <QByteArray>
#include <QString>

#include <exception>
#include <functional>

class QWidget;

namespace qm {

// The dialog component could not be loaded. Carries the user's message.
class ComponentLoadError : public std::exception
{
public:
    explicit ComponentLoadError(const QString &message) : m_message(message), m_utf8(message.toUtf8()) {}
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// Shows an error message to the user; replaceable so that tests never block on a dialog.
using ErrorBox = std::function<void(QWidget *parent, const QString &message)>;

// The desktop's error box: a critical message box with the message and an OK button.
void criticalErrorBox(QWidget *parent, const QString &message);

// Runs `call`. A ComponentLoadError it raises is shown in `box` (by default the critical message
// box) and false is returned: a command handler wraps its companion call in this so that no
// exception ever reaches Qt's event loop. True when `call` finished normally.
bool catchComponentLoadError(QWidget *parent, const std::function<void()> &call,
                             const ErrorBox &box = criticalErrorBox);

} // namespace qm
