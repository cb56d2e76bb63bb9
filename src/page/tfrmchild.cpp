// The document window: creation, layout of the page, zoom, status bar, activation and closing.

#include "page/tfrmchild.h"

#include "print/pagefromprinter.h"
#include "page/overridecursor.h"
#include "page/pagetools.h"
#include "page/updatesguard.h"
#include "seal/tseal.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPainter>
#include <QScrollBar>

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
    return Round(static_cast<long double>(newRange) * oldValue / oldRange);
}

} // namespace

TfrmChild::TfrmChild(PageHost &host, int pixelsPerInch, QWidget *parent)
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
    m_page = new TQMVDrawPanel(m_document->page(), m_canvas);
    m_page->setMouseHandler(this);
    m_page->setDoubleBuffered(host.pageDoubleBuffered());
    setWidget(m_canvas);

    m_document->page().SetPixelsPerInch(pixelsPerInch);
    m_document->setScreenPixelsPerMm(static_cast<float>(pixelsPerInch / 25.4));
    m_document->setSealListener(m_page);
    m_page->setSeals(&m_document->seals());

    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QWidget::windowTitleChanged, this, [this](const QString &title) { setAccessibleName(title); });

    // Undo may replace seal objects: the page's pictures and the handles follow the document.
    SealDocument *doc = m_document.get();
    connect(doc, &SealDocument::sealsChanged, this, [this] {
        m_page->sealsReset();
        syncSelectionMarks();
        SetDocumentStatus();
    });
    connect(doc, &SealDocument::selectionChanged, this, [this] { syncSelectionMarks(); });
    connect(doc, &SealDocument::sealsEdited, this, [this] { placeSelectionMarks(); });
    connect(doc, &SealDocument::modifiedChanged, this, [this] { SetDocumentStatus(); });
    connect(doc, &SealDocument::pageLockChanged, this, [this](bool locked) { m_page->setEnabled(!locked); });
}

TfrmChild::~TfrmChild()
{
    releasePage();
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

float TfrmChild::ScreenPixelsPerMm() const
{
    return m_document->screenPixelsPerMm();
}

void TfrmChild::InitPageFromPrinter()
{
    qm::InitPageFromPrinter(m_document->page());
}

void TfrmChild::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    FormResize();
}

void TfrmChild::FormResize()
{
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    const QSize client = viewport()->size();
    const int w = m_page->width();
    const int h = m_page->height();
    const int top = h < client.height() ? Round(static_cast<long double>(client.height() - h) / 2) : 1;
    const int left = client.width() >= w ? (client.width() - w) / 2 : 1;
    m_page->move(left, top);
    m_pageBack->setGeometry(left + 3, top + 3, w, h);
    // The scroll range reaches the shadow's far edges; a page that fits needs no scroll bar.
    m_canvas->resize(left + w + 3, top + h + 3);
}

void TfrmChild::ZoomPage(int zoom)
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
        m_document->page().SetZoom(zoom);
        for (const auto &seal : m_document->seals())
            seal->SetZoom(zoom);
        placeSelectionMarks();
        FormResize();
        hBar->setValue(proportional(oldH, oldHRange, hBar->maximum()));
        vBar->setValue(proportional(oldV, oldVRange, vBar->maximum()));
    }
    if (m_page->isHidden())
        m_page->show();
}

QString TfrmChild::positionText(int pixels, int zoom, float screenPixelsPerMm)
{
    const long double divisor = static_cast<long double>(zoom) * screenPixelsPerMm;
    const int tenths = divisor > 0 ? Round(pixels * 1000.0L / divisor) : 0;
    // The shortest form with one decimal: 12.5 stays 12.5, 12.0 shows as 12.
    QString text = QString::number(std::abs(tenths) / 10);
    if (tenths % 10 != 0)
        text += u'.' + QString::number(std::abs(tenths) % 10);
    return tenths < 0 ? u'-' + text : text;
}

void TfrmChild::showPosition(QPoint pagePoint)
{
    const int zoom = m_document->page().Zoom();
    const float ppm = ScreenPixelsPerMm();
    m_host.setStatusText(0, u" 水平坐标："_s + positionText(pagePoint.x(), zoom, ppm) + u"mm"_s);
    m_host.setStatusText(1, u"垂直坐标："_s + positionText(pagePoint.y(), zoom, ppm) + u"mm"_s);
}

void TfrmChild::SetDocumentStatus()
{
    m_host.setStatusText(2, Modified() ? u"文件状态：已修改"_s : u"文件状态：未修改"_s);
    m_host.setStatusText(3, u"已画图形："_s + QString::number(m_document->seals().size()));
}

void TfrmChild::applyToolCursor()
{
    const int tag = m_host.checkedDrawAction();
    const int slot = cursorSlotForTool(tag);
    m_page->setToolCursor(slot ? m_host.cursorSlot(slot) : QCursor(Qt::ArrowCursor), tag != 0);
}

void TfrmChild::FormActivate()
{
    m_host.setZoomText(QString::number(m_document->page().Zoom()) + u'%');
    SetDocumentStatus();
    applyToolCursor();
}

void TfrmChild::FormDeactivate()
{
    m_page->setToolCursor(QCursor(Qt::ArrowCursor), false);
}

void TfrmChild::closeEvent(QCloseEvent *event)
{
    // A close in the middle of a drag would free the seals the release then moves.
    if (busy()) {
        event->ignore();
        return;
    }
    if (Modified()) {
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
