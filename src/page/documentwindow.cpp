// The document window: creation, layout of the page, zoom, status bar, activation and closing.

#include "page/documentwindow.h"

#include "page/overridecursor.h"
#include "page/pagetools.h"
#include "page/updatesguard.h"
#include "printing/pagefromprinter.h"
#include "seal/seal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

// The page's shadow: a panel in the window's colour with a navy outline, standing 3 pixels
// right of and below the page, behind it.
class PageShadow : public QFrame
{
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Window));
        p.setPen(QPen(QColor(0x00, 0x00, 0x80), 0));
        p.drawRect(0, 0, width() - 1, height() - 1);
    }
};

// The new position of a scroll bar that keeps the view at the same part of the page. A page
// that fitted the window had no range: it starts at the top.
int proportional(int oldValue, int oldRange, int newRange)
{
    if (oldRange <= 0)
        return 0;
    return roundHalfEven(static_cast<long double>(newRange) * oldValue / oldRange);
}

} // namespace

DocumentWindow::DocumentWindow(PageHost &host, int pixelsPerInch, QWidget *parent)
    : QScrollArea(parent), m_host(host), m_pixelsPerInch(pixelsPerInch), m_document(std::make_unique<SealDocument>())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Inactive, QPalette::Mid));
    setPalette(pal);
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Window);

    m_canvas = new QWidget;
    m_canvas->setAutoFillBackground(true);
    m_canvas->setBackgroundRole(QPalette::Window);
    m_pageBack = new PageShadow(m_canvas);
    m_page = new PagePanel(m_document->page(), m_canvas);
    m_page->setMouseHandler(this);
    m_page->setSelectionAccess(this);
    m_page->setDoubleBuffered(host.pageDoubleBuffered());
    setWidget(m_canvas);

    m_document->page().setPixelsPerInch(pixelsPerInch);
    m_document->setScreenPixelsPerMm(static_cast<float>(pixelsPerInch / 25.4));
    m_document->setSealListener(m_page);
    m_page->setSeals(&m_document->seals());

    setFocusPolicy(Qt::StrongFocus);
    // Library items are dropped onto the page; the viewport hands the drag on to this window.
    viewport()->setAcceptDrops(true);
    connect(this, &QWidget::windowTitleChanged, this, [this](const QString &title) { setAccessibleName(title); });

    // Undo may replace seal objects: the page's pictures and the handles follow the document.
    SealDocument *doc = m_document.get();
    connect(doc, &SealDocument::sealsChanged, this, [this] {
        m_page->sealsReset();
        syncSelectionMarks();
        showDocumentStatus();
    });
    connect(doc, &SealDocument::selectionChanged, this, [this] {
        syncSelectionMarks();
        if (pageHasKeyboard())
            m_page->announceCurrentSeal(currentSeal());
    });
    connect(doc, &SealDocument::sealsEdited, this, [this] { placeSelectionMarks(); });
    connect(doc, &SealDocument::modifiedChanged, this, [this] { showDocumentStatus(); });
    connect(doc, &SealDocument::pageLockChanged, this, [this](bool locked) {
        m_page->setEnabled(!locked);
        if (locked)
            disarmOneShotTool();
    });
}

DocumentWindow::~DocumentWindow()
{
    releasePage();
    m_page->setSelectionAccess(nullptr);
    m_page->setHandles(nullptr);
    m_page->setSelectFrame(nullptr);
    m_page->setSeals(nullptr);
    m_document->setSealListener(nullptr);
    for (const auto &seal : m_document->seals())
        seal->setListener(nullptr);
    m_document->disconnect(this);
    // The page refers to the document's page values: it goes before the document does.
    delete takeWidget();
    m_page = nullptr;
}

float DocumentWindow::screenPixelsPerMm() const
{
    return m_document->screenPixelsPerMm();
}

void DocumentWindow::initPageFromPrinter()
{
    qm::initPageFromPrinter(m_document->page());
}

void DocumentWindow::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    layOutPage();
}

void DocumentWindow::layOutPage()
{
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    const QSize client = viewport()->size();
    const int w = m_page->width();
    const int h = m_page->height();
    const int top = h < client.height() ? roundHalfEven(static_cast<long double>(client.height() - h) / 2) : 1;
    const int left = client.width() >= w ? (client.width() - w) / 2 : 1;
    m_page->move(left, top);
    m_pageBack->setGeometry(left + 3, top + 3, w, h);
    // The scroll range reaches the shadow's far edges; a page that fits needs no scroll bar.
    m_canvas->resize(left + w + 3, top + h + 3);
}

void DocumentWindow::zoomPage(int zoom)
{
    if (busy() || zoom <= 0)
        return;
    QScrollBar *hBar = horizontalScrollBar();
    QScrollBar *vBar = verticalScrollBar();
    const int oldH = hBar->value();
    const int oldHRange = hBar->maximum();
    const int oldV = vBar->value();
    const int oldVRange = vBar->maximum();
    {
        UpdatesGuard guard(window());
        m_document->page().setZoom(zoom);
        for (const auto &seal : m_document->seals())
            seal->setZoom(zoom);
        placeSelectionMarks();
        layOutPage();
        hBar->setValue(proportional(oldH, oldHRange, hBar->maximum()));
        vBar->setValue(proportional(oldV, oldVRange, vBar->maximum()));
    }
    if (m_page->isHidden())
        m_page->show();
}

QString DocumentWindow::positionText(int pixels, int zoom, float screenPixelsPerMm)
{
    const long double divisor = static_cast<long double>(zoom) * screenPixelsPerMm;
    const int tenths = divisor > 0 ? roundHalfEven(pixels * 1000.0L / divisor) : 0;
    // The shortest form with one decimal: 12.5 stays 12.5, 12.0 shows as 12.
    QString text = QString::number(std::abs(tenths) / 10);
    if (tenths % 10 != 0)
        text += u'.' + QString::number(std::abs(tenths) % 10);
    return tenths < 0 ? u'-' + text : text;
}

void DocumentWindow::showPosition(QPoint pagePoint)
{
    const int zoom = m_document->page().zoom();
    const float ppm = screenPixelsPerMm();
    m_host.setStatusText(0, tr(" 水平坐标：") + positionText(pagePoint.x(), zoom, ppm) + u"mm"_s);
    m_host.setStatusText(1, tr("垂直坐标：") + positionText(pagePoint.y(), zoom, ppm) + u"mm"_s);
}

void DocumentWindow::showDocumentStatus()
{
    m_host.setStatusText(2, isModified() ? tr("文件状态：已修改") : tr("文件状态：未修改"));
    m_host.setStatusText(3, tr("已画图形：") + QString::number(m_document->seals().size()));
}

void DocumentWindow::applyToolCursor()
{
    const std::optional<Tool> tool = m_host.checkedDrawAction();
    const ToolInfo *row = tool ? findTool(*tool) : nullptr;
    m_page->setToolCursor(row ? m_host.cursorSlot(row->use.cursorSlot) : QCursor(Qt::ArrowCursor), tool.has_value());
}

void DocumentWindow::disarmOneShotTool()
{
    const std::optional<Tool> tool = m_host.checkedDrawAction();
    const ToolInfo *row = tool ? findTool(*tool) : nullptr;
    if (row && row->use.oneShot) {
        m_host.uncheckDrawAction();
        applyToolCursor();
    }
}

bool DocumentWindow::isSealSelected(const Seal *seal) const
{
    const SealSelection &selected = selection();
    return std::find(selected.begin(), selected.end(), seal) != selected.end();
}

bool DocumentWindow::canChooseFromPage() const
{
    return !busy() && !m_document->pageLocked();
}

bool DocumentWindow::chooseFromPage(Seal *seal, bool toggle)
{
    if (!canChooseFromPage() || m_document->indexOf(seal) < 0)
        return false;
    if (toggle)
        toggleInSelection(seal);
    else
        chooseSeal(seal);
    return true;
}

bool DocumentWindow::pageHasKeyboard() const
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}

void DocumentWindow::onActivated()
{
    m_host.setZoomText(QString::number(m_document->page().zoom()) + u'%');
    showDocumentStatus();
    applyToolCursor();
}

void DocumentWindow::onDeactivated()
{
    m_page->setToolCursor(QCursor(Qt::ArrowCursor), false);
}

void DocumentWindow::closeEvent(QCloseEvent *event)
{
    // A close in the middle of a drag would free the seals the release then moves.
    if (busy()) {
        event->ignore();
        return;
    }
    if (isModified()) {
        switch (m_host.askSaveOnClose(*this)) {
        case PageHost::SaveAnswer::Cancel:
            event->ignore();
            return;
        case PageHost::SaveAnswer::Yes:
            // A save the user cancelled keeps the window and the work in it.
            if (!m_host.saveDocument(*this)) {
                event->ignore();
                return;
            }
            break;
        case PageHost::SaveAnswer::No:
            break;
        }
    }
    event->accept();
}

} // namespace qm
