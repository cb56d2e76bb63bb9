// The print window's commands: printer set-up, printing, PDF, calibration.

#include "printwindow/printwindow.h"

#include "companions/dialogpackloader.h"
#include "page/documentwindow.h"
#include "page/updatesguard.h"
#include "printing/pagefromprinter.h"
#include "printing/sealprinter.h"
#include "printwindow/pagesetupcommand.h"
#include "printwindow/previewpage.h"
#include "printwindow/sealloan.h"
#include "seal/missingglyphs.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QSpinBox>
#include <QUndoStack>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

// More copies than this are taken for a damaged record rather than the user's wish.
constexpr int MaxCopies = 999;

QString informationCaption()
{
    return PrintWindow::tr("信息");
}

QString noPrinterToPrint()
{
    return PrintWindow::tr("您的计算机未安装打\r印机，不能打印！");
}

// What the page set-up needs of a printer: its resolution, its paper in device pixels and the
// part of the paper it can print on.
PrinterPage printerPageOf(const QPrinter &printer)
{
    PrinterPage page;
    page.dpiX = printer.resolution();
    page.dpiY = printer.resolution();
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    page.physicalWidth = roundHalfEven(paper.width());
    page.physicalHeight = roundHalfEven(paper.height());
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QRectF paperMm = printer.paperRect(QPrinter::Millimeter);
    const QMarginsF minimum = layout.minimumMargins();
    page.printableWidthMm = paperMm.width() - minimum.left() - minimum.right();
    page.printableHeightMm = paperMm.height() - minimum.top() - minimum.bottom();
    return page;
}

bool defaultEditCalibration(QWidget *owner, PrintCalibration &calibration)
{
    QDialog dialog(owner);
    dialog.setWindowTitle(PrintWindow::tr("打印校准"));
    auto *form = new QFormLayout(&dialog);
    auto spin = [&](int value) {
        auto *box = new QSpinBox(&dialog);
        box->setRange(-PrintCalibration::Limit, PrintCalibration::Limit);
        box->setSuffix(u" ‰"_s);
        box->setValue(value);
        return box;
    };
    QSpinBox *x = spin(calibration.xPerMille);
    QSpinBox *y = spin(calibration.yPerMille);
    x->setAccessibleName(PrintWindow::tr("水平校正"));
    y->setAccessibleName(PrintWindow::tr("垂直校正"));
    form->addRow(PrintWindow::tr("水平校正(&H)："), x);
    form->addRow(PrintWindow::tr("垂直校正(&V)："), y);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    calibration.xPerMille = x->value();
    calibration.yPerMille = y->value();
    return true;
}

} // namespace

void PrintWindow::setUpPrinter()
{
    if (!hasPrinter()) {
        information(informationCaption(), tr("您的计算机没有安装\r打印机，不能设置！"));
        return;
    }
    bool accepted = false;
    if (m_windowOptions.setupPrinter) {
        accepted = m_windowOptions.setupPrinter(*m_printer, this);
    } else {
        QPageSetupDialog dialog(m_printer.get(), this);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (!accepted)
        return;
    m_printer->setFullPage(true);

    UpdatesGuard guard(this);
    const PrinterPage printer = printerPageOf(*m_printer);
    setStatusPanel(0, tr("当前纸张打印区域大小[宽x高]：") + tenthsText(printer.printableWidthMm) + u"mm x "_s +
                          tenthsText(printer.printableHeightMm) + u" mm"_s);
    PageModel fromPrinter;
    applyPrinterPage(fromPrinter, printer.dpiX > 0 ? std::optional<PrinterPage>(printer) : std::nullopt);
    const PageGeometry geometry = PageGeometry::of(fromPrinter);
    geometry.applyTo(m_page);
    // One undo step of the document: its page, laid out again at its own zoom.
    SealDocument &doc = m_document.document();
    doc.endMerge();
    doc.undoStack().push(new PageSetupCommand(m_document, geometry));
    m_document.showDocumentStatus();
    m_userZoomed = true;
    // The cursor follows the page as the new zoom shows it.
    applyZoom(zoomToFit());
    chooseCursor();
}

bool PrintWindow::askPrintOptions()
{
    dialogpack::PrintOptions record{};
    const bool answered = catchComponentLoadError(
        this,
        [&] {
            record = m_windowOptions.askPrintOptions
                         ? m_windowOptions.askPrintOptions(this, m_options)
                         : askPrintOptionsFromDialogPack(DialogPackLoader(), this, m_options);
        },
        [this](QWidget *, const QString &message) { showError(message); });
    if (!answered)
        return false;
    m_options = fromRecord(record);
    m_options.copies = std::clamp<std::int32_t>(m_options.copies, 1, MaxCopies);
    return true;
}

void PrintWindow::printDocument()
{
    if (!askPrintOptions())
        return;
    if (m_document.sealList().empty()) {
        if (m_options.printConfirmed)
            information(tr("提示："), tr("空白文档，有什么好打印的！"));
        return;
    }
    if (!hasPrinter()) {
        information(informationCaption(), noPrinterToPrint());
        return;
    }
    if (!m_options.printConfirmed || !acceptMissingGlyphs())
        return;
    runPrint(*m_printer, placementFor(*m_printer, false), m_options.copies);
}

QString PrintWindow::pdfWrittenText(const QString &fileName)
{
    return tr("已打印到PDF文件：") + QDir::toNativeSeparators(fileName);
}

void PrintWindow::printToPdf()
{
    // The same options as on paper: colour or black, mirrored, copies as sheets of the file.
    if (!askPrintOptions())
        return;
    if (m_document.sealList().empty()) {
        if (m_options.printConfirmed)
            information(tr("提示："), tr("空白文档，有什么好打印的！"));
        return;
    }
    if (!m_options.printConfirmed)
        return;
    const QString folder = m_windowOptions.pdfFolder;
    QString fileName = m_windowOptions.askPdfFile
                           ? m_windowOptions.askPdfFile(this, folder)
                           : QFileDialog::getSaveFileName(this, tr("打印到PDF文件"), folder, tr("PDF 文件 (*.pdf)"));
    if (fileName.isEmpty() || !acceptMissingGlyphs())
        return;
    if (!fileName.endsWith(u".pdf"_s, Qt::CaseInsensitive))
        fileName += u".pdf"_s;
    fileName = QFileInfo(fileName).absoluteFilePath();
    // The paper is the page itself: every seal lands at its page position, at true size.
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(fileName);
    pdf.setResolution(600);
    pdf.setFullPage(true);
    const QPageSize size(QSizeF(double(m_page.pageWidth()), double(m_page.pageHeight())), QPageSize::Millimeter,
                         QString(), QPageSize::ExactMatch);
    pdf.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    if (runPrint(pdf, placementFor(pdf, true), m_options.copies))
        setStatusPanel(2, pdfWrittenText(fileName));
}

bool PrintWindow::acceptMissingGlyphs()
{
    QList<const Seal *> seals;
    for (const auto &seal : m_document.sealList())
        seals.append(seal.get());
    const QList<MissingGlyphs> missing = sealsWithMissingGlyphs(seals);
    if (missing.isEmpty())
        return true;
    const QString text = tr("下列印章中有字体无法显示的字符，打印出来这些字符将用其他字体代替或显示为空框：\r\r%1\r\r"
                            "是否继续打印？")
                             .arg(describeMissingGlyphs(missing));
    if (m_windowOptions.askToGoOn)
        return m_windowOptions.askToGoOn(this, text);
    return QMessageBox::warning(this, windowTitle(), QString(text).replace(u'\r', u'\n'),
                                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void PrintWindow::printTestRuler()
{
    if (!hasPrinter()) {
        information(informationCaption(), noPrinterToPrint());
        return;
    }
    const PrintPlacement placement = placementFor(*m_printer, false);
    m_printer->setCopyCount(1);
    QPainter painter;
    if (!painter.begin(m_printer.get())) {
        showError(tr("打印机无法开始打印，什么也没有打印。"));
        return;
    }
    painter.translate(placement.printableOrigin);
    painter.scale(placement.scaleX, placement.scaleY);
    paintTestRuler(painter, placement.pixelsPerMm);
    painter.end();
}

void PrintWindow::editCalibration()
{
    PrintCalibration calibration = m_calibrations->read(printerKey());
    const bool accepted = m_windowOptions.editCalibration ? m_windowOptions.editCalibration(this, calibration)
                                                          : defaultEditCalibration(this, calibration);
    if (accepted)
        m_calibrations->write(printerKey(), calibration);
}

QString PrintWindow::printerKey() const
{
    return m_printer->printerName();
}

PrintPlacement PrintWindow::placementFor(const QPrinter &printer, bool forPdf) const
{
    PrintPlacement placement;
    placement.pixelsPerMm = printer.resolution() / 25.4L;
    placement.pageWidthMm = m_page.pageWidth();
    placement.mirrored = m_options.printMirrored;
    placement.colours = m_options.printInColour ? SealColours::Own : SealColours::Black;
    if (!forPdf) {
        placement.leftMarginMm = m_page.leftMargin();
        placement.topMarginMm = m_page.topMargin();
        placement.printableOrigin = physicalOrigin(printer);
        const PrintCalibration calibration = m_calibrations->read(printerKey());
        placement.scaleX = calibration.scaleX();
        placement.scaleY = calibration.scaleY();
    }
    return placement;
}

bool PrintWindow::runPrint(QPrinter &printer, const PrintPlacement &placement, int copies)
{
    QList<const Seal *> seals;
    for (const auto &seal : m_document.sealList())
        seals.append(seal.get());
    m_progressBar->setRange(0, std::max<int>(1, int(seals.size())));
    m_progressBar->setValue(0);
    layoutProgressPanel();
    m_progressPanel->show();
    m_progressPanel->repaint();
    // The progress goes away however the job ends.
    struct HideProgress {
        QWidget *panel;
        ~HideProgress() { panel->hide(); }
    } hideProgress{m_progressPanel};
    std::optional<QString> failure;
    {
        UpdatesGuard guard(m_preview);
        failure = printSeals(printer, seals, placement, copies, [this](int done, int total) {
            m_progressBar->setMaximum(std::max(1, total));
            m_progressBar->setValue(done);
        });
    }
    if (failure)
        showError(*failure);
    return !failure;
}

} // namespace qm
