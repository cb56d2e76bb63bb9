#pragma once

// Printing tests print onto PDF printers at 600 pixels per inch and read the sheets back as
// pictures through pdftoppm, without antialiasing, so that every pixel is ink or paper.

#include "testing/testhelpers.h"

#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QStandardPaths>

#include <memory>

namespace qm::testing {

constexpr int PrinterDpi = 600;

// A PDF printer of the given paper, drawing from the paper's corner.
inline std::unique_ptr<QPrinter> pdfPrinter(const QString &fileName, QSizeF paperMm = QSizeF(210, 297))
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(fileName);
    printer->setResolution(PrinterDpi);
    printer->setFullPage(true);
    printer->setPageLayout(QPageLayout(QPageSize(paperMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                                       QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    return printer;
}

inline QString pdftoppm()
{
    return QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
}

// The top 100 mm (or `heightMm`) of every page of the PDF as a picture at the printer's
// resolution, where the tests place their seals (a whole A4 sheet at 600 pixels per inch is
// 139 MB); empty when it cannot be read.
inline QList<QImage> sheetsOf(const QString &pdf, const QString &workFolder, int heightMm = 100)
{
    const QString prefix = QDir(workFolder).filePath(QStringLiteral("sheet"));
    const ProcessRun run = runProcess(
        pdftoppm(), {QStringLiteral("-r"), QString::number(PrinterDpi), QStringLiteral("-aa"), QStringLiteral("no"),
                     QStringLiteral("-aaVector"), QStringLiteral("no"), QStringLiteral("-x"), QStringLiteral("0"),
                     QStringLiteral("-y"), QStringLiteral("0"), QStringLiteral("-H"),
                     QString::number(heightMm * PrinterDpi / 25.4, 'f', 0), QStringLiteral("-png"), pdf, prefix});
    QList<QImage> sheets;
    if (run.exitCode != 0)
        return sheets;
    const QStringList files = QDir(workFolder).entryList({QStringLiteral("sheet*.png")}, QDir::Files, QDir::Name);
    for (const QString &f : files)
        sheets.append(QImage(QDir(workFolder).filePath(f)).convertToFormat(QImage::Format_RGB32));
    return sheets;
}

// Millimetres on the sheet as printer pixels, unrounded.
constexpr double sheetPixels(double mm)
{
    return mm * PrinterDpi / 25.4;
}

} // namespace qm::testing
