#include "printing/pagefromprinter.h"

#include "document/pagemodel.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace qm {

std::optional<PrinterPage> currentPrinterPage()
{
    if (QPrinterInfo::availablePrinters().isEmpty())
        return std::nullopt;
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        info = QPrinterInfo::availablePrinters().constFirst();
    QPrinter printer(info, QPrinter::HighResolution);
    const int dpi = printer.resolution();
    const QPageLayout layout = printer.pageLayout();
    const QRect full = layout.fullRectPixels(dpi);
    const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
    if (dpi <= 0 || full.isEmpty())
        return std::nullopt;
    PrinterPage p;
    p.dpiX = dpi;
    p.dpiY = dpi;
    p.physicalWidth = full.width();
    p.physicalHeight = full.height();
    p.printableWidthMm = printable.width();
    p.printableHeightMm = printable.height();
    return p;
}

void applyPrinterPage(PageModel &page, const std::optional<PrinterPage> &printer)
{
    if (!printer || printer->dpiX <= 0 || printer->dpiY <= 0) {
        page.setPageWidth(210);
        page.setPageHeight(297);
        page.setLeftMargin(6);
        page.setRightMargin(6);
        page.setTopMargin(6);
        page.setBottomMargin(6);
        return;
    }
    const long double width = printer->physicalWidth * 25.4L / printer->dpiX;
    const long double height = printer->physicalHeight * 25.4L / printer->dpiY;
    page.setPageWidth(width);
    page.setPageHeight(height);
    const long double side = (width - printer->printableWidthMm) / 2;
    const long double topBottom = (height - printer->printableHeightMm) / 2;
    page.setLeftMargin(side);
    page.setRightMargin(side);
    page.setTopMargin(topBottom);
    page.setBottomMargin(topBottom);
}

void initPageFromPrinter(PageModel &page)
{
    applyPrinterPage(page, currentPrinterPage());
}

} // namespace qm
