// The export command of the main window: the selected seals as a picture file or on the
// clipboard, with the options of the dialog component.

#include "mainwindow/mainwindow.h"

#include "companions/dialogpack/dialogpackentries.h"
#include "companions/dialogpackloader.h"
#include "document/extendedfloat.h"
#include "document/selectionbounds.h"
#include "export/exportrender.h"
#include "export/sealexporter.h"
#include "mainwindow/exportfiledialog.h"
#include "mainwindow/userdialogs.h"
#include "page/documentwindow.h"
#include "seal/missingglyphs.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

// The preview beside the file dialog: the same picture at a resolution that fits its side.
QImage previewPicture(const QList<const Seal *> &seals, const SelectionBox &box, long double pixelsPerMm, bool mirror)
{
    const long double side = std::max(box.right - box.left, box.bottom - box.top);
    const long double fit = side > 0 ? ExportFileDialog::PreviewSide / side : pixelsPerMm;
    ExportLayout layout;
    if (planExport(box, std::min(pixelsPerMm, fit), &layout) != ExportError::None)
        return {};
    return renderExportPicture(seals, layout, mirror);
}

// The type a kind's file goes under on the clipboard, beside the picture itself.
QString clipboardType(ExportKind kind)
{
    switch (kind) {
    case ExportKind::Emf:
        return u"image/x-emf"_s;
    case ExportKind::Jpeg:
        return u"image/jpeg"_s;
    case ExportKind::Gif:
        return u"image/gif"_s;
    case ExportKind::Bmp:
        return u"image/bmp"_s;
    case ExportKind::Png:
        return u"image/png"_s;
    case ExportKind::Svg:
        return u"image/svg+xml"_s;
    case ExportKind::Pdf:
        return u"application/pdf"_s;
    default:
        return {};
    }
}

// The picture on the system clipboard, and the kind's file of it beside it, so that a program
// that takes metafiles (or JPEG, GIF) gets what the user chose.
ExportError copyToClipboard(const QList<const Seal *> &seals, const ExportLayout &layout, const ExportRequest &request)
{
    const QImage picture = renderExportPicture(seals, layout, request.mirror);
    if (picture.isNull())
        return ExportError::PictureTooLarge; // could not be allocated
    auto mime = std::make_unique<QMimeData>();
    mime->setImageData(picture);
    if (const QString type = clipboardType(request.kind); !type.isEmpty()) {
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        // The vector kinds draw the seals themselves; the others write this very picture.
        const ExportError written = isVectorKind(request.kind)
                                        ? SealExporter::write(seals, request, &file)
                                        : SealExporter::writePicture(picture, request.kind, layout.pixelsPerMm, &file);
        if (written != ExportError::None)
            return written;
        mime->setData(type, file.data());
    }
    QGuiApplication::clipboard()->setMimeData(mime.release());
    return ExportError::None;
}

} // namespace

void MainWindow::exportSelectionToImage()
{
    DocumentWindow *child = activeDocument();
    if (!child)
        return;
    const QList<const Seal *> seals(child->selection().begin(), child->selection().end());
    const SelectionBox box = selectionBounds(seals);
    if (!box.notEmpty)
        return;

    dialogpack::ExportOptionsRecord record{}; // cleared: a missing entry leaves it unconfirmed
    int version = 0;
    const DialogPackLoader dialogs(m_options.dialogFolder);
    const bool loaded = catchComponentLoadError(
        this, [&] { version = dialogs.showExportOptions(record, child); }, errorBox());
    const dialogpack::ExportOptions &options = record.options;
    if (!loaded || version == 0 || !options.confirmed)
        return;

    ExportRequest request;
    // The later kinds' byte is read only from a component that said it fills it.
    request.kind = exportKindFromOptions(options.kind, version >= 2 ? record.laterKind : 0);
    request.pixelsPerMm = decodeExtended(options.resolution);
    request.mirror = options.mirror != 0;
    const bool toClipboard = options.toClipboard != 0;

    // A resolution that is no number of pixels is refused before the user picks a file; a
    // picture too large is refused once the name was chosen.
    ExportLayout layout;
    const ExportError planned = planExport(box, request.pixelsPerMm, &layout);
    if (planned == ExportError::BadResolution) {
        m_dialogs.message(this, QMessageBox::Warning, exportErrorMessage(planned));
        return;
    }

    // A TIFF is only ever a file, and without the file dialog there is no name to write it to.
    if (toClipboard && request.kind == ExportKind::Tiff) {
        m_dialogs.message(this, QMessageBox::Information,
                          tr("TIFF格式的图象不能放到剪贴板上，没有导出任何内容。\r请选择其他图象格式，或者不选“放到剪贴"
                             "板”而保存为文件。"));
        return;
    }

    // A character the seal's face lacks comes out in another face or as a box.
    const QList<MissingGlyphs> missing = sealsWithMissingGlyphs(seals);
    if (!missing.isEmpty() &&
        m_dialogs.message(
            this, QMessageBox::Warning,
            tr("下列印章中有字体无法显示的字符，导出的图象中这些字符将用其他字体代替或显示为空框：\r\r%1\r\r"
               "是否继续导出？")
                .arg(describeMissingGlyphs(missing)),
            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;

    QString fileName;
    bool switched = false;
    if (!toClipboard) {
        const ExportFileChoice chosen =
            m_dialogs.pictureFileName(this, workFolder(u"我的导出图象"_s), request.kind, offeredExportKinds(version),
                                      previewPicture(seals, box, request.pixelsPerMm, request.mirror),
                                      planned == ExportError::None ? QSize(layout.width, layout.height) : QSize());
        if (chosen.fileName.isEmpty())
            return;
        fileName = chosen.fileName;
        switched = chosen.kind != request.kind;
        request.kind = chosen.kind;
    }

    if (planned != ExportError::None) {
        m_dialogs.message(this, QMessageBox::Warning, exportErrorMessage(planned));
        return;
    }

    if (!toClipboard) {
        const ExportResult result = SealExporter::writeFile(seals, request, fileName);
        if (result.error != ExportError::None)
            m_dialogs.message(this, QMessageBox::Critical, exportErrorMessage(result.error, result.fileName));
        else if (switched) // the typed name asked for another kind than the options dialog
            setStatusText(4, tr("按文件扩展名改为导出%1图象：%2")
                                 .arg(exportKindName(request.kind), QFileInfo(result.fileName).fileName()));
        return;
    }

    const ExportError copied = copyToClipboard(seals, layout, request);
    if (copied != ExportError::None)
        m_dialogs.message(this, copied == ExportError::PictureTooLarge ? QMessageBox::Warning : QMessageBox::Critical,
                          exportErrorMessage(copied));
}

} // namespace qm
