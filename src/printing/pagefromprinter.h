#pragma once

#include <optional>

namespace qm {

class PageModel;

// What the page set-up needs to know of the current printer.
struct PrinterPage {
    int dpiX = 0;
    int dpiY = 0;
    int physicalWidth = 0;  // device pixels
    int physicalHeight = 0; // device pixels
    long double printableWidthMm = 0;
    long double printableHeightMm = 0;
};

// The current printer's page, or nothing when the system lists no printer.
std::optional<PrinterPage> currentPrinterPage();

// Sets the page size from the printer and centres the printable area with equal margins;
// without a printer an A4 portrait page with 6 mm margins. Margins are set left, right, top,
// bottom.
void applyPrinterPage(PageModel &page, const std::optional<PrinterPage> &printer);
void initPageFromPrinter(PageModel &page);

} // namespace qm
