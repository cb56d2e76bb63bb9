#include "pdfstamp/pdfstamp.h"

#include "document/atomicsave.h"
#include "export/exportrender.h"
#include "export/pdfwriter.h"
#include "picture/boundedread.h"
#include "picture/documentlimits.h"
#include "seal/seal.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <optional>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

constexpr double PointsPerMm = 72 / 25.4;
// Seal boxes come from pixel boxes at the screen's scale, a quarter millimetre or so off.
constexpr double EdgeToleranceMm = 0.5;

// A page's displayed area in its own user space, and how it is turned for display.
struct PageFrame {
    double llx = 0, lly = 0, urx = 0, ury = 0; // crop box, normalised
    int rotation = 0;                          // clockwise, 0, 90, 180 or 270
    double unitsPerMm = PointsPerMm;           // user space units per millimetre (/UserUnit)

    double displayedWidthMm() const { return (rotation % 180 == 0 ? urx - llx : ury - lly) / unitsPerMm; }
    double displayedHeightMm() const { return (rotation % 180 == 0 ? ury - lly : urx - llx) / unitsPerMm; }
    // A point x, y millimetres from the displayed top-left corner (y down) in user space.
    QPointF toUser(double xMm, double yMm) const
    {
        const double x = xMm * unitsPerMm;
        const double y = yMm * unitsPerMm;
        switch (rotation) {
        case 90:
            return {llx + y, lly + x};
        case 180:
            return {urx - x, lly + y};
        case 270:
            return {urx - y, ury - x};
        default:
            return {llx + x, ury - y};
        }
    }
    bool holds(const QPointF &user) const
    {
        const double tolerance = EdgeToleranceMm * unitsPerMm;
        return user.x() >= llx - tolerance && user.x() <= urx + tolerance && user.y() >= lly - tolerance &&
               user.y() <= ury + tolerance;
    }
};

int normalisedRotation(QPDFObjectHandle rotate)
{
    if (!rotate.isInteger())
        return 0;
    const long long degrees = rotate.getIntValue();
    // Viewers ignore a rotation that is not a multiple of 90 degrees.
    if (degrees % 90 != 0)
        return 0;
    return int(((degrees % 360) + 360) % 360);
}

PageFrame frameOf(QPDFPageObjectHelper &page)
{
    PageFrame frame;
    QPDFObjectHandle box = page.getCropBox(false, false);
    if (box.isRectangle()) {
        const QPDFObjectHandle::Rectangle r = box.getArrayAsRectangle();
        frame.llx = std::min(r.llx, r.urx);
        frame.urx = std::max(r.llx, r.urx);
        frame.lly = std::min(r.lly, r.ury);
        frame.ury = std::max(r.lly, r.ury);
    }
    frame.rotation = normalisedRotation(page.getAttribute("/Rotate", false));
    QPDFObjectHandle unit = page.getObjectHandle().getKey("/UserUnit");
    if (unit.isNumber() && unit.getNumericValue() > 0)
        frame.unitsPerMm = PointsPerMm / unit.getNumericValue();
    return frame;
}

// A 2-D affine matrix as PDF writes it: x' = a x + c y + e, y' = b x + d y + f.
struct Matrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    QPointF map(const QPointF &p) const { return {a * p.x() + c * p.y() + e, b * p.x() + d * p.y() + f}; }
    // Takes `from` to `to`, turned counter-clockwise by `degrees` about it and scaled.
    static Matrix placing(const QPointF &from, const QPointF &to, double degrees, double scale)
    {
        const double radians = degrees * std::numbers::pi / 180;
        Matrix m;
        m.a = scale * std::cos(radians);
        m.b = scale * std::sin(radians);
        m.c = -m.b;
        m.d = m.a;
        m.e = to.x() - (m.a * from.x() + m.c * from.y());
        m.f = to.y() - (m.b * from.x() + m.d * from.y());
        return m;
    }
};

QByteArray pdfNumber(double value)
{
    QByteArray text = QByteArray::number(value, 'f', 5);
    return text == "-0.00000" ? QByteArray("0") : text;
}

// What went wrong, for the user.
class StampFailure
{
public:
    explicit StampFailure(QString message) : m_message(std::move(message)) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

QString damagedMessage(const QString &path)
{
    return QCoreApplication::translate("PdfStamp", "<%1>不是PDF文件或已损坏，无法打开。").arg(path);
}

QString readRefusal(const QString &path, const FileReadResult &read)
{
    switch (read.error) {
    case FileReadError::Missing:
        return QCoreApplication::translate("PdfStamp", "文件<%1>不存在！").arg(path);
    case FileReadError::NotRegular:
        return QCoreApplication::translate("PdfStamp", "<%1>不是普通文件，无法打开。").arg(path);
    case FileReadError::TooLarge:
        return QCoreApplication::translate("PdfStamp", "<%1>太大，无法打开（最多%2 MB）。")
            .arg(path)
            .arg(MaxStampPdfBytes >> 20);
    case FileReadError::Unreadable:
        return QCoreApplication::translate("PdfStamp", "不能读取文件<%1>：%2").arg(path, read.reason);
    case FileReadError::None:
        break;
    }
    return {};
}

// An input PDF held in memory with qpdf's view of it. Damage qpdf would paper over is refused:
// recovery is off and any warning counts as damage.
struct OpenPdf {
    QByteArray bytes;
    std::unique_ptr<QPDF> pdf;
    std::vector<QPDFPageObjectHelper> pages;
};

void openPdf(const QString &path, OpenPdf &open)
{
    const FileReadResult read = readRegularFile(path, MaxStampPdfBytes);
    if (!read.ok())
        throw StampFailure(readRefusal(path, read));
    open.bytes = read.bytes;
    open.pdf = std::make_unique<QPDF>();
    open.pdf->setSuppressWarnings(true);
    open.pdf->setAttemptRecovery(false);
    try {
        const QByteArray name = QFileInfo(path).fileName().toUtf8();
        open.pdf->processMemoryFile(name.constData(), open.bytes.constData(), size_t(open.bytes.size()));
        if (open.pdf->isEncrypted())
            throw StampFailure(
                QCoreApplication::translate("PdfStamp", "<%1>已加密，盖章后写出的文件会失去它的权限设置，不能盖章。")
                    .arg(path));
        open.pages = QPDFPageDocumentHelper(*open.pdf).getAllPages();
    } catch (const QPDFExc &e) {
        if (e.getErrorCode() == qpdf_e_password)
            throw StampFailure(QCoreApplication::translate("PdfStamp", "<%1>有密码保护，不能盖章。").arg(path));
        throw StampFailure(damagedMessage(path));
    } catch (const std::exception &) {
        throw StampFailure(damagedMessage(path));
    }
    if (open.pages.empty() || open.pdf->anyWarnings())
        throw StampFailure(damagedMessage(path));
}

// A group of seals drawn once by the PDF writer and kept as a form XObject of the target.
struct SealForm {
    QPDFObjectHandle form;
    // qpdf reads the seals' own PDF lazily, also while the target is written: both live as
    // long as the form.
    QByteArray bytes;
    std::unique_ptr<QPDF> source;
    ExportLayout layout;
    double pageHeight = 0; // of the seal's own page, in points
    SelectionBox box;

    // A point of the seals' page (millimetres, y down) in the form's points (y up).
    QPointF toForm(double xMm, double yMm) const
    {
        const double margin = ExportLayout::Margin / double(layout.pixelsPerMm);
        return {(xMm - double(layout.left) + margin) * PointsPerMm,
                pageHeight - (yMm - double(layout.top) + margin) * PointsPerMm};
    }
    QList<QPointF> boxCorners() const
    {
        const auto l = double(box.left), t = double(box.top), r = double(box.right), b = double(box.bottom);
        return {toForm(l, t), toForm(r, t), toForm(l, b), toForm(r, b)};
    }
};

QByteArray sealPdf(const QList<const Seal *> &seals, ExportLayout *layout)
{
    // Fine enough that rounding to pixels stays far below a tenth of a millimetre; large groups
    // take what the export limit allows.
    long double pixelsPerMm = 40;
    const SelectionBox box = selectionBounds(seals);
    while (planExport(box, pixelsPerMm, layout) == ExportError::PictureTooLarge && pixelsPerMm > 0.5L)
        pixelsPerMm *= 0.8L;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (planExport(box, pixelsPerMm, layout) != ExportError::None ||
        PdfWriter::write(seals, *layout, false, &buffer) != ExportError::None)
        throw StampFailure(QCoreApplication::translate("PdfStamp", "印章无法画出。"));
    return buffer.data();
}

std::string compressed(const std::shared_ptr<Buffer> &data)
{
    // qCompress puts the length before the zlib stream that /FlateDecode reads.
    const QByteArray packed = qCompress(data->getBuffer(), qsizetype(data->getSize()), 9);
    return packed.mid(4).toStdString();
}

std::unique_ptr<SealForm> makeSealForm(QPDF &target, const QList<const Seal *> &seals)
{
    auto sealForm = std::make_unique<SealForm>();
    sealForm->bytes = sealPdf(seals, &sealForm->layout);
    const QByteArray &bytes = sealForm->bytes;
    sealForm->box = selectionBounds(seals);
    sealForm->source = std::make_unique<QPDF>();
    QPDF &source = *sealForm->source;
    source.setSuppressWarnings(true);
    source.processMemoryFile("seal", bytes.constData(), size_t(bytes.size()));
    auto page = QPDFPageDocumentHelper(source).getAllPages().at(0);
    sealForm->pageHeight = page.getMediaBox().getArrayAsRectangle().ury;
    QPDFObjectHandle form = page.getFormXObjectForPage();
    // The form's content is the page's, coalesced and unfiltered; it is packed here because the
    // writer leaves every stream as it finds it.
    form.replaceStreamData(compressed(form.getStreamData(qpdf_dl_generalized)),
                           QPDFObjectHandle::newName("/FlateDecode"), QPDFObjectHandle::newNull());
    sealForm->form = target.copyForeignObject(form);
    return sealForm;
}

// Where one form goes on one page: its matrix, and the part of it drawn (empty: all of it).
struct Drawing {
    const SealForm *form = nullptr;
    Matrix matrix;
    std::optional<QRectF> clip; // in the form's space
};

bool samePath(const QString &a, const QString &b)
{
    if (QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath())
        return true;
    struct stat sa {
    };
    struct stat sb {
    };
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0 &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

QPDFObjectHandle subDictionary(QPDFObjectHandle resources, const char *key)
{
    QPDFObjectHandle sub = resources.getKey(key);
    if (!sub.isDictionary()) {
        sub = QPDFObjectHandle::newDictionary();
        resources.replaceKey(key, sub);
    }
    return sub;
}

StampResult stamp(const QString &inPath, const QString &outPath, const QList<const Seal *> &seals,
                  const QList<StampPlacement> &placements, const QList<StraddlePlacement> &straddles,
                  const StampOptions &options)
{
    if (!(options.opacity >= 0 && options.opacity <= 1))
        throw StampFailure(QCoreApplication::translate("PdfStamp", "不透明度应在0到1之间。"));
    if (placements.isEmpty() && straddles.isEmpty())
        throw StampFailure(QCoreApplication::translate("PdfStamp", "没有要盖的印章。"));
    if (samePath(inPath, outPath))
        throw StampFailure(QCoreApplication::translate("PdfStamp", "输出文件不能是输入文件<%1>本身。").arg(inPath));

    OpenPdf input;
    openPdf(inPath, input);
    QPDF &pdf = *input.pdf;
    const int pageCount = int(input.pages.size());
    auto checkPage = [&](int page) {
        if (page < 1 || page > pageCount)
            throw StampFailure(
                QCoreApplication::translate("PdfStamp", "第%1页不存在（文件共%2页）。").arg(page).arg(pageCount));
    };
    auto checkSeal = [&](int seal) {
        if (seal < 1 || seal > seals.size())
            throw StampFailure(QCoreApplication::translate("PdfStamp", "第%1个印章不存在（文档共%2个印章）。")
                                   .arg(seal)
                                   .arg(seals.size()));
    };

    // Inherited resources would be hidden by the page's own once we give it some.
    QPDFPageDocumentHelper(pdf).pushInheritedAttributesToPage();
    std::vector<PageFrame> frames;
    for (QPDFPageObjectHelper &page : input.pages)
        frames.push_back(frameOf(page));

    std::map<QList<int>, std::unique_ptr<SealForm>> forms;
    auto formFor = [&](QList<int> chosen) -> const SealForm & {
        std::sort(chosen.begin(), chosen.end());
        chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
        auto &slot = forms[chosen];
        if (!slot) {
            QList<const Seal *> group;
            for (int index : chosen)
                group.append(seals.at(index - 1));
            try {
                slot = makeSealForm(pdf, group);
            } catch (const std::exception &) {
                throw StampFailure(QCoreApplication::translate("PdfStamp", "印章无法画出。"));
            }
        }
        return *slot;
    };

    std::map<int, QList<Drawing>> drawings; // by page index from 0
    for (const StampPlacement &placement : placements) {
        checkPage(placement.page);
        QList<int> chosen = placement.seals;
        if (chosen.isEmpty()) {
            for (int i = 1; i <= seals.size(); ++i)
                chosen.append(i);
        }
        if (chosen.isEmpty())
            throw StampFailure(QCoreApplication::translate("PdfStamp", "没有要盖的印章。"));
        for (int seal : chosen)
            checkSeal(seal);
        const SealForm &form = formFor(chosen);
        const Seal *anchor = seals.at(chosen.first() - 1);
        const PageFrame &frame = frames[size_t(placement.page - 1)];
        const QPointF from = form.toForm(anchor->RealCenterX(), anchor->RealCenterY());
        const QPointF to = frame.toUser(placement.centreMm.x(), placement.centreMm.y());
        // Turned by the page's rotation as well, so that it stands as asked where the page is
        // shown; the form counts in points, the page perhaps in larger units.
        const Matrix matrix =
            Matrix::placing(from, to, placement.rotationDegrees + frame.rotation, frame.unitsPerMm / PointsPerMm);
        for (const QPointF &corner : form.boxCorners()) {
            if (!frame.holds(matrix.map(corner)))
                throw StampFailure(QCoreApplication::translate("PdfStamp", "第%1页上（%2, %3）毫米处的印章超出了页面。")
                                       .arg(placement.page)
                                       .arg(placement.centreMm.x())
                                       .arg(placement.centreMm.y()));
        }
        drawings[placement.page - 1].append({&form, matrix, std::nullopt});
    }

    for (const StraddlePlacement &straddle : straddles) {
        if (straddle.pages.size() < 2)
            throw StampFailure(
                QCoreApplication::translate("PdfStamp", "骑缝章要盖在两页或更多页上，只选了一页时不盖骑缝章。"));
        for (int page : straddle.pages)
            checkPage(page);
        checkSeal(straddle.seal);
        const SealForm &form = formFor({straddle.seal});
        const Seal *seal = seals.at(straddle.seal - 1);
        const double half = seal->RealWidth() / 2.0;
        const double left = form.toForm(seal->RealCenterX() - half, 0).x();
        const double right = form.toForm(seal->RealCenterX() + half, 0).x();
        const double centreY = form.toForm(0, seal->RealCenterY()).y();
        const double halfHeight = seal->RealHeight() / 2.0;
        const qsizetype n = straddle.pages.size();
        const QList<QPointF> corners = form.boxCorners();
        const double formBottom = corners.at(2).y() - 1000, formTop = corners.at(0).y() + 1000;
        for (qsizetype k = 0; k < n; ++k) {
            const int page = straddle.pages.at(k);
            const PageFrame &frame = frames[size_t(page - 1)];
            if (straddle.centreYMm - halfHeight < -EdgeToleranceMm ||
                straddle.centreYMm + halfHeight > frame.displayedHeightMm() + EdgeToleranceMm)
                throw StampFailure(QCoreApplication::translate("PdfStamp", "骑缝章在第%1页上（高%2毫米处）超出了页面。")
                                       .arg(page)
                                       .arg(straddle.centreYMm));
            // Slice k runs from k/n to (k+1)/n of the seal's width; the first keeps any ink left
            // of the seal's box and its right end sits on the page's right edge.
            const double sliceLeft = k == 0 ? left - 1000 : left + (right - left) * double(k) / double(n);
            const double sliceRight = left + (right - left) * double(k + 1) / double(n);
            const QPointF from(sliceRight, centreY);
            const QPointF to = frame.toUser(frame.displayedWidthMm(), straddle.centreYMm);
            const Matrix matrix = Matrix::placing(from, to, frame.rotation, frame.unitsPerMm / PointsPerMm);
            drawings[page - 1].append(
                {&form, matrix, QRectF(QPointF(sliceLeft, formBottom), QPointF(sliceRight, formTop))});
        }
    }

    QPDFObjectHandle state = pdf.makeIndirectObject(QPDFObjectHandle::parse(
        "<< /Type /ExtGState /BM /" + std::string(options.multiply ? "Multiply" : "Normal") + " /ca " +
        pdfNumber(options.opacity).toStdString() + " /CA " + pdfNumber(options.opacity).toStdString() + " >>"));
    for (auto &[index, list] : drawings) {
        QPDFPageObjectHelper &page = input.pages[size_t(index)];
        QPDFObjectHandle resources = page.getAttribute("/Resources", true);
        if (!resources.isDictionary()) {
            resources = QPDFObjectHandle::newDictionary();
            page.getObjectHandle().replaceKey("/Resources", resources);
        }
        QPDFObjectHandle xobjects = subDictionary(resources, "/XObject");
        QPDFObjectHandle states = subDictionary(resources, "/ExtGState");
        int suffix = 1;
        const std::string stateName = resources.getUniqueResourceName("/QmGS", suffix);
        states.replaceKey(stateName, state);
        // The page's own content is closed in q … Q so that no state it leaves set reaches ours.
        QByteArray content = "Q\n";
        std::map<const SealForm *, std::string> names;
        for (const Drawing &drawing : list) {
            std::string &name = names[drawing.form];
            if (name.empty()) {
                name = resources.getUniqueResourceName("/QmSeal", suffix);
                xobjects.replaceKey(name, drawing.form->form);
            }
            const Matrix &m = drawing.matrix;
            content += "q " + pdfNumber(m.a) + ' ' + pdfNumber(m.b) + ' ' + pdfNumber(m.c) + ' ' + pdfNumber(m.d) +
                       ' ' + pdfNumber(m.e) + ' ' + pdfNumber(m.f) + " cm ";
            if (drawing.clip) {
                const QRectF &r = *drawing.clip;
                content += pdfNumber(r.left()) + ' ' + pdfNumber(r.top()) + ' ' + pdfNumber(r.width()) + ' ' +
                           pdfNumber(r.height()) + " re W n ";
            }
            content += QByteArray::fromStdString(stateName) + " gs " + QByteArray::fromStdString(name) + " Do Q\n";
        }
        page.addPageContents(pdf.newStream("q\n"), true);
        page.addPageContents(pdf.newStream(content.toStdString()), false);
    }

    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    // Streams are written as they were read: nothing of the document is decoded or packed anew.
    writer.setCompressStreams(false);
    writer.setDecodeLevel(qpdf_dl_none);
    // Blend modes and opacity came with PDF 1.4.
    writer.setMinimumPDFVersion("1.4");
    writer.write();
    if (pdf.anyWarnings())
        throw StampFailure(damagedMessage(inPath));
    const std::shared_ptr<Buffer> written = writer.getBufferSharedPointer();

    const SaveOutcome saved = saveAtomically(outPath, [&](QIODevice &file) {
        return file.write(reinterpret_cast<const char *>(written->getBuffer()), qint64(written->getSize())) ==
               qint64(written->getSize());
    });
    if (!saved.ok())
        throw StampFailure(QCoreApplication::translate("PdfStamp", "不能写入文件<%1>：%2").arg(outPath, saved.detail));
    return {true, {}};
}

} // namespace

PdfInspection inspectPdf(const QString &path)
{
    PdfInspection inspection;
    try {
        OpenPdf open;
        openPdf(path, open);
        for (QPDFPageObjectHelper &page : open.pages) {
            const PageFrame frame = frameOf(page);
            inspection.pages.append({QSizeF(frame.displayedWidthMm(), frame.displayedHeightMm()), frame.rotation});
        }
        inspection.ok = true;
    } catch (const StampFailure &failure) {
        inspection.message = failure.message();
        inspection.pages.clear();
    } catch (const std::exception &) {
        inspection.message = damagedMessage(path);
        inspection.pages.clear();
    }
    return inspection;
}

StampResult stampPdf(const QString &inPath, const QString &outPath, const QList<const Seal *> &seals,
                     const QList<StampPlacement> &placements, const QList<StraddlePlacement> &straddles,
                     const StampOptions &options)
{
    try {
        return stamp(inPath, outPath, seals, placements, straddles, options);
    } catch (const StampFailure &failure) {
        return {false, failure.message()};
    } catch (const std::bad_alloc &) {
        throw;
    } catch (const std::exception &) {
        // qpdf reads objects lazily, so damage deep in the file shows only while writing.
        return {false, damagedMessage(inPath)};
    }
}

} // namespace qm
