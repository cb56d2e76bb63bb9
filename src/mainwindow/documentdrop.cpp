#include "mainwindow/documentdrop.h"

#include "mainwindow/mainwindow.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace qm {

DocumentDrop::DocumentDrop(MainWindow &window) : QObject(&window), m_window(window)
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

QStringList DocumentDrop::documentFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).suffix().compare(u"dyz"_s, Qt::CaseInsensitive) == 0)
            files.append(url.toLocalFile());
    return files;
}

bool DocumentDrop::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched != &m_window || (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    const QStringList files = documentFiles(drop->mimeData());
    if (files.isEmpty())
        return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        // After the drop has ended: opening may ask questions, and the dragging program waits.
        QTimer::singleShot(0, &m_window, [window = QPointer<MainWindow>(&m_window), files] {
            for (const QString &file : files)
                if (window)
                    window->openChosenFile(file);
        });
    }
    return true;
}

} // namespace qm
