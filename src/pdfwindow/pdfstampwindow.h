#pragma once

#include "pdfstamp/pdfstamp.h"
#include "pdfwindow/sealgroup.h"

#include <QDialog>
#include <QImage>
#include <QUndoStack>

#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPdfDocument;
class QScrollArea;
class QSpinBox;

namespace qm {

class PdfPageView;

// What the window is given by whoever opens it: the resolution the document shows its seals
// at, and the dialogs behind functions, so that tests answer them and nothing blocks.
struct PdfStampWindowOptions {
    // The document's screen pixels per millimetre: zoom 100 % shows the seals at true size.
    float screenPixelsPerMm = 96 / 25.4f;
    // The file to write; proposed is the name offered. Empty when the user cancelled.
    std::function<QString(QWidget *owner, const QString &proposed)> askOutputFile;
    // A warning box; carriage returns break the lines.
    std::function<void(QWidget *owner, const QString &text)> warn;
};

// "盖章到PDF": the pages of a PDF at true size with the chosen seals of the document over the
// page shown. The seals are dragged with the mouse, nudged with the arrow keys and turned; each
// change is a step on the window's own undo stack. Saving writes a new PDF through the stamping
// core and never the one that was opened. The window works on copies of the seals, so the
// document may change or close meanwhile.
class PdfStampWindow : public QDialog
{
    Q_OBJECT

public:
    static constexpr int MinZoom = 25;
    static constexpr int MaxZoom = 400;
    // The most pixels the picture of a page is rendered with (64 MB).
    static constexpr double MaxPagePixels = 16'000'000;

    // The window over the PDF at pdfPath, or none with *refusal set when the file cannot be
    // stamped (damaged, no PDF, locked with a password, unreadable). documentSeals is the
    // document's seal list in its order; chosen the positions (from 0) of the seals to place,
    // all of them when empty.
    static std::unique_ptr<PdfStampWindow> create(const QString &pdfPath, const QList<const Seal *> &documentSeals,
                                                  const QList<int> &chosen, PdfStampWindowOptions options,
                                                  QString *refusal, QWidget *parent = nullptr);
    ~PdfStampWindow() override;

    static QString caption();

    const QString &pdfPath() const { return m_path; }
    int pageCount() const { return int(m_pages.size()); }
    // The placement as the core receives it (pages and seals counted from 1).
    const StampPlacement &placement() const { return m_placement; }
    StampOptions stampOptions() const;
    // The last file written, empty before.
    const QString &writtenFile() const { return m_written; }
    int zoom() const { return m_zoom; }
    QUndoStack &undoStack() { return m_undo; }

    // Each an undo step, unless it changes nothing.
    void moveBy(QPointF deltaMm);
    void turnBy(double degrees);
    void setRotation(double degrees);
    // Shows the page (from 1) and puts the seals on it.
    void showPage(int page);
    // Not an undo step: only the view changes.
    void setZoom(int zoom);
    // Asks for the file, refuses the PDF that was opened, writes through the core; true when
    // written.
    bool save();

    // The placement of an undo step; the view and the controls follow.
    void applyPlacement(const StampPlacement &placement);

    // Controls, for tests.
    PdfPageView *pageView() const { return m_view; }
    QScrollArea *scrollArea() const { return m_scroll; }
    QSpinBox *pageBox() const { return m_pageBox; }
    QSpinBox *zoomBox() const { return m_zoomBox; }
    QDoubleSpinBox *rotationBox() const { return m_rotationBox; }
    QSpinBox *opacityBox() const { return m_opacityBox; }
    QCheckBox *multiplyBox() const { return m_multiplyBox; }
    QAction *undoAction() const { return m_undoAction; }
    QAction *redoAction() const { return m_redoAction; }
    QAction *saveAction() const { return m_saveAction; }
    QLabel *statusLabel() const { return m_status; }

private:
    PdfStampWindow(const QString &pdfPath, QList<PdfPageInfo> pages, std::unique_ptr<QPdfDocument> pdf,
                   const QList<const Seal *> &documentSeals, const QList<int> &chosen, PdfStampWindowOptions options,
                   QWidget *parent);
    void createControls();
    void pushPlacement(const StampPlacement &after, const QString &text);
    void renderPage();
    void showPlacementText();
    void warn(const QString &text);
    QSizeF pageSizeMm(int page) const;

    QString m_path;
    QList<PdfPageInfo> m_pages;
    std::unique_ptr<QPdfDocument> m_pdf;
    // Copies of the document's seals in its order; the group points into them.
    std::vector<std::unique_ptr<Seal>> m_seals;
    SealGroup m_group;
    PdfStampWindowOptions m_options;
    StampPlacement m_placement;
    QString m_written;
    int m_zoom = 100;
    QUndoStack m_undo;

    PdfPageView *m_view = nullptr;
    QScrollArea *m_scroll = nullptr;
    QSpinBox *m_pageBox = nullptr;
    QSpinBox *m_zoomBox = nullptr;
    QDoubleSpinBox *m_rotationBox = nullptr;
    QSpinBox *m_opacityBox = nullptr;
    QCheckBox *m_multiplyBox = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QAction *m_saveAction = nullptr;
    QLabel *m_position = nullptr;
    QLabel *m_status = nullptr;
};

} // namespace qm
