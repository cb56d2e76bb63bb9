// A stand-in for the dialog component whose export options dialog answers from a script: the
// bytes in the application's "exportAnswer" property are copied into the record (none: the
// record is left as the caller cleared it, as a cancel). Each call is counted in
// "exportCalls", its owner kept in "exportOwner" and the record as it came in "exportRecordIn".
//
// Built twice. As an older component it has no ExportOptionsVersion entry and copies the answer
// as given, a 15th byte too: what it leaves beyond the 14 bytes is nothing the caller may read.
// Built with QM_SCRIPTED_RECORD_VERSION 2 it answers the version question and fills the 15 bytes.

#include "companions/dialogpack/dialogpackentries.h"

#include <QCoreApplication>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <type_traits>

#ifndef QM_SCRIPTED_RECORD_VERSION
#define QM_SCRIPTED_RECORD_VERSION 1
#endif

#if QM_SCRIPTED_RECORD_VERSION >= 2
extern "C" Q_DECL_EXPORT std::uint8_t ExportOptionsVersion(std::uint8_t callerVersion) noexcept
{
    QCoreApplication::instance()->setProperty("exportVersionAsked", int(callerVersion));
    return std::min<std::uint8_t>(callerVersion, 2);
}
static_assert(std::is_convertible_v<decltype(&ExportOptionsVersion), qm::dialogpack::ExportOptionsVersionEntry>);
#endif

extern "C" Q_DECL_EXPORT void ShowExportToImage(qm::dialogpack::ExportOptions *options, QWidget *owner) noexcept
{
    constexpr qsizetype recordSize = QM_SCRIPTED_RECORD_VERSION >= 2 ? sizeof(qm::dialogpack::ExportOptionsRecord)
                                                                     : sizeof(qm::dialogpack::ExportOptions);
    QCoreApplication *app = QCoreApplication::instance();
    app->setProperty("exportCalls", app->property("exportCalls").toInt() + 1);
    app->setProperty("exportOwner", QVariant::fromValue<QObject *>(owner));
    if (options)
        app->setProperty("exportRecordIn", QByteArray(reinterpret_cast<const char *>(options), recordSize));
    const QByteArray answer = app->property("exportAnswer").toByteArray();
    if (options && answer.size() >= qsizetype(sizeof *options))
        std::memcpy(options, answer.constData(),
                    size_t(std::min<qsizetype>(answer.size(), sizeof(qm::dialogpack::ExportOptionsRecord))));
}

static_assert(std::is_convertible_v<decltype(&ShowExportToImage), qm::dialogpack::ShowExportToImageEntry>);
