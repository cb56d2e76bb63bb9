#pragma once

#include "companions/componentloaderror.h"
#include "document/pagemodel.h"
#include "printwindow/printcalibration.h"
#include "printwindow/printoptions.h"

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
class StatusBar;
class DocumentWindow;
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
    // The print options dialog: the filled 7-byte record. May throw ComponentLoadError.
    std::function<dialogpack::PrintOptions(QWidget *owner, const PrintOptionsState &current)> askPrintOptions;
    // An information box with a caption.
    std::function<void(QWidget *owner, const QString &caption, const QString &text)> information;
    // An error box.
    ErrorBox errorBox;
    // The PDF file to print to, its dialog starting in `folder`; empty when the user cancelled.
    std::function<QString(QWidget *owner, const QString &folder)> askPdfFile;
    // Where that dialog starts: the folder of exported pictures.
    QString pdfFolder;
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
class PrintWindow : public QDialog
{
    Q_OBJECT

public:
    PrintWindow(DocumentWindow &document, bool previewMode, PrintWindowOptions options = {}, QWidget *parent = nullptr);
    ~PrintWindow() override;

    static QString printCaption();

    bool isPreview() const { return m_previewMode; }
    bool printInColour() const { return m_options.printInColour; }
    bool printMirrored() const { return m_options.printMirrored; }
    bool printConfirmed() const { return m_options.printConfirmed; }
    int copies() const { return m_options.copies; }
    int zoom() const { return m_page.zoom(); }
    // The document's seals are still lent to this window.
    bool sealsLent() const { return bool(m_loan); }

    // Controls, for tests.
    QScrollArea *scrollArea() const { return m_scroll; }
    PreviewPage *previewPage() const { return m_preview; }
    QWidget *shadowPanel() const { return m_shadow; }
    StatusBar *statusPanelBar() const { return m_statusBar; }
    QWidget *progressPanel() const { return m_progressPanel; }
    QProgressBar *progressBar() const { return m_progressBar; }
    QToolBar *toolBar() const { return m_toolBar; }
    QMenuBar *menuBar() const { return m_menuBar; }
    QAction *zoomInAction() const { return m_zoomIn; }
    QAction *zoomOutAction() const { return m_zoomOut; }
    QAction *zoomFitAction() const { return m_zoomFit; }
    QAction *setupAction() const { return m_setup; }
    QAction *printAction() const { return m_print; }
    QAction *exitAction() const { return m_exit; }
    QPrinter *printer() const { return m_printer.get(); }

    // The zoom that shows the whole page with its shadow in the scroll area, at least 1 %.
    int zoomToFit() const;
    // Sets the preview's zoom, lays the page out, keeps the scroll positions in proportion and
    // writes the status panels. Until a zoom is applied, the page keeps fitting the window.
    void applyZoom(int zoom);
    // The cursor the preview shows when no zoom tool is active: the hand when the page does not
    // fit the scroll area.
    QCursor idleCursor() const;
    // The page is wider or higher than the scroll area's client by more than 4 pixels.
    bool pageExceedsClient() const;

    // The commands.
    void setUpPrinter();
    void printDocument();
    void printToPdf();
    void printTestRuler();
    void editCalibration();

    // Status panel 2 after printing to a PDF file: "已打印到PDF文件：" and the file.
    static QString pdfWrittenText(const QString &fileName);
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
    void layOutPage();
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
    // True when the job went out; a failure has been shown.
    bool runPrint(QPrinter &printer, const PrintPlacement &placement, int copies);
    // Asks the dialog component for the print options and keeps them; false when it could not
    // be asked (the user has been told why).
    bool askPrintOptions();
    QString printerKey() const;

    DocumentWindow &m_document;
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
    StatusBar *m_statusBar = nullptr;
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
