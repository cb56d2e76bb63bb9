#pragma once

#include <QObject>
#include <QStringList>

class QMimeData;

namespace qm {

class MainWindow;

// Seal documents dropped onto the main window (its document area, the wallpaper) open each in
// a window of its own; one that is open already comes forward. Other files are left to the
// widgets that take them.
class DocumentDrop : public QObject
{
    Q_OBJECT

public:
    // Watches the window, which from now on takes drops.
    explicit DocumentDrop(MainWindow &window);

    // The local .dyz files (any case) among dropped addresses, in their order.
    static QStringList documentFiles(const QMimeData *data);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MainWindow &m_window;
};

} // namespace qm
