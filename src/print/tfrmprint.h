#pragma once

#include "companions/dllloaderror.h"
#include "document/pagemodel.h"
#include "print/printcalibration.h"
#include "print/printoptions.h"

#include <QCursor>
#include <QDialog>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenuBar;
class QPrinter;
class QProgressBar;
class QScrollArea;
class QToolBar;

namespace qm {

class PreviewPage;
class SealLoan;
class TQMVStatusBar;
class TfrmChild;
struct PrintPlacement;

// What the print window is given by whoever opens it. Every user dialog and the printer stand
// behind a function, so tests run it without the printer service, the dialog component or a
// modal box; an empty function means the platform's own.
struct PrintWindowOptions {
    // The main window's cursors: 2 hand, 4 zoom in, 5 zoom out.
    std::function<QCursor(int slot)> cursor;
    // Whether the system lists a printer.
    std::function<bool()> printerPresent;
    // The printer the window prints on and sets up; the default printer at its high resolution.
    std::function<std::unique_ptr<QPrinter>()> makePrinter;
    // The printer set-up dialog; true when the user accepted it.
    std::function<bool(QPrinter &printer, QWidget *owner)> setupPrinter;
    // The print options dialog: the filled 7-byte record. May throw DLLLoadError.
    std::function<dialogpack::PrintOptions(QWidget *owner, const PrintOptionsState &current)> askPrintOptions;
    // An information box with a caption.
    std::function<void(QWidget *owner, const QString &caption, const QString &text)> information;
    // An error box.
    ErrorBox errorBox;
    // The PDF file to print to; empty when the user cancelled.
    std::function<QString(QWidget *owner)> askPdfFile;
    // A warning the user may go past; true to go on.
    std::function<bool(QWidget *owner, const QString &text)> askToGoOn;
    // Edits a printer's size correction; true when the user accepted it.
    std::function<bool(QWidget *owner, PrintCalibration &calibration)> editCalibration;
    // The settings file of the printers' corrections; the user's settings when empty.
    QString settingsFile;
};

// The print window: the active document's page as it comes out of the printer, printed at true
// size. In print mode a window with menu, tool bar and status bar from which the user zooms, sets
// up the printer and prints; in preview mode a bare full-screen view that closes on the first
// click. The document's seals are lent to the preview while the window is open and are painted
// through the one render routine at the preview's zoom; the document's own seals never change.
class TfrmPrint : public QDialog
{
    Q_OBJECT

public:
    TfrmPrint(TfrmChild &document, bool previewMode, PrintWindowOptions options = {}, QWidget *parent = nullptr);
    ~TfrmPrint() override;

    static const QString PrintCaption; // "Quillmark 打印管理..."

    bool PreviewMode() const { return m_previewMode; }
    bool PrintInColour() const { return m_options.printInColour; }
    bool PrintMirrored() const { return m_options.printMirrored; }
    bool PrintConfirmed() const { return m_options.printConfirmed; }
    int Copies() const { return m_options.copies; }
    int zoom() const { return m_page.Zoom(); }
    // The document's seals are still lent to this window.
    bool sealsLent() const { return bool(m_loan); }

    // Controls, for tests.
    QScrollArea *ScrollBox1() const { return m_scroll; }
    PreviewPage *PreviewPanel1() const { return m_preview; }
    QWidget *QMVFlatPanel1() const { return m_shadow; }
    TQMVStatusBar *QMVStatusBar1() const { return m_statusBar; }
    QWidget *Panel1() const { return m_progressPanel; }
    QProgressBar *ProgressBar1() const { return m_progressBar; }
    QToolBar *CoolBar1() const { return m_toolBar; }
    QMenuBar *MainMenu1() const { return m_menuBar; }
    QAction *ActZoomIn() const { return m_zoomIn; }
    QAction *ActZoomOut() const { return m_zoomOut; }
    QAction *ActZoomFit() const { return m_zoomFit; }
    QAction *FSetupAct() const { return m_setup; }
    QAction *FPrintAct() const { return m_print; }
    QAction *FExitAct() const { return m_exit; }
    QPrinter *printer() const { return m_printer.get(); }

    // The zoom that shows the whole page with its shadow in the scroll area, at least 1 %.
    int ZoomToFit() const;
    // Sets the preview's zoom, lays the page out, keeps the scroll positions in proportion and
    // writes the status panels. Until a zoom is applied, the page keeps fitting the window.
    void ApplyZoom(int zoom);
    // The cursor the preview shows when no zoom tool is active: the hand when the page does not
    // fit the scroll area.
    QCursor idleCursor() const;
    // The page is wider or higher than the scroll area's client by more than 4 pixels.
    bool pageExceedsClient() const;

    // The commands.
    void FSetup();
    void FPrint();
    void printToPdf();
    void printTestRuler();
    void editCalibration();

    // " 当前纸张可打印区域[宽x高]：210mm x 297mm " for the page.
    static QString printableAreaText(const PageModel &page);
    // Millimetres to one decimal in the shortest form: 12.5, 12.
    static QString tenthsText(long double mm);

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void FormResize();
    void layoutProgressPanel();
    void setStatusPanel(int index, const QString &text);
    void chooseCursor();
    void zoomToolToggled();
    void switchZoomTool(QAction *on);
    void pageMouseDown(Qt::MouseButton button, QPoint global);
    void zoomToFitAndApply();
    void setZoom(int zoom);
    void information(const QString &caption, const QString &text);
    void showError(const QString &message);
    // Names the seals whose texts hold characters their face cannot draw; true to print anyway.
    bool acceptMissingGlyphs();
    bool hasPrinter() const;
    PrintPlacement placementFor(const QPrinter &printer, bool forPdf) const;
    void runPrint(QPrinter &printer, const PrintPlacement &placement, int copies);
    QString printerKey() const;

    TfrmChild &m_document;
    const bool m_previewMode;
    PrintWindowOptions m_windowOptions;
    PrintOptionsState m_options;
    std::unique_ptr<PrintCalibrationStore> m_calibrations;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<SealLoan> m_loan;
    PageModel m_page;

    QMenuBar *m_menuBar = nullptr;
    QToolBar *m_toolBar = nullptr;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_canvas = nullptr;
    QWidget *m_shadow = nullptr;
    PreviewPage *m_preview = nullptr;
    TQMVStatusBar *m_statusBar = nullptr;
    QWidget *m_progressPanel = nullptr;
    QLabel *m_progressCaption = nullptr;
    QProgressBar *m_progressBar = nullptr;

    QAction *m_zoomIn = nullptr;
    QAction *m_zoomOut = nullptr;
    QAction *m_zoomFit = nullptr;
    QAction *m_setup = nullptr;
    QAction *m_print = nullptr;
    QAction *m_exit = nullptr;
    QAction *m_pdf = nullptr;
    QAction *m_ruler = nullptr;
    QAction *m_calibrate = nullptr;

    bool m_dragging = false;
    QPoint m_lastPoint;
    bool m_fitted = false;
    bool m_userZoomed = false;
};

} // namespace qm
