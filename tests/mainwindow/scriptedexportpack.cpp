// A stand-in for the dialog component whose export options dialog answers from a script: the
// 14 bytes in the application's "exportAnswer" property are copied into the record (none: the
// record is left as the caller cleared it, as a cancel). Each call is counted in
// "exportCalls", its owner kept in "exportOwner" and the record as it came in "exportRecordIn".

#include "companions/dialogpack/dialogpackentries.h"

#include <QCoreApplication>
#include <QVariant>
#include <QWidget>

#include <cstring>
#include <type_traits>

extern "C" Q_DECL_EXPORT void ShowExportToImage(qm::dialogpack::ExportOptions *options, QWidget *owner) noexcept
{
    QCoreApplication *app = QCoreApplication::instance();
    app->setProperty("exportCalls", app->property("exportCalls").toInt() + 1);
    app->setProperty("exportOwner", QVariant::fromValue<QObject *>(owner));
    if (options)
        app->setProperty("exportRecordIn", QByteArray(reinterpret_cast<const char *>(options), sizeof *options));
    const QByteArray answer = app->property("exportAnswer").toByteArray();
    if (options && answer.size() == qsizetype(sizeof *options))
        std::memcpy(options, answer.constData(), sizeof *options);
}

static_assert(std::is_convertible_v<decltype(&ShowExportToImage), qm::dialogpack::ShowExportToImageEntry>);
