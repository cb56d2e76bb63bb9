// The detail view of the selected seals, and the main window's command that shows it.

#include "mainwindow/detailview.h"

#include "mainwindow/mainwindow.h"
#include "page/documentwindow.h"
#include "picture/drawingtypes.h"
#include "seal/paintersurface.h"
#include "seal/renderseals.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

// Pink, blue 0xC0, green 0x80, red 0xFF: the line under the strip.
constexpr Colour StripLineColour = 0xC080FF;
// The white border around the seals in the picture.
constexpr int PictureBorder = 2;

// How many times `room` pixels hold `mm` millimetres at p pixels per millimetre; a side of no
// length fits any number of times.
long double fitting(long double room, long double mm, long double p)
{
    const long double pixels = mm * p;
    return pixels > 0 ? room / pixels : std::numeric_limits<long double>::infinity();
}

} // namespace

std::optional<DetailViewLayout> detailViewLayout(const SelectionBox &box, long double screenPixelsPerMm, QSize client,
                                                 int pixelsPerInch)
{
    if (!box.notEmpty || !(screenPixelsPerMm > 0))
        return std::nullopt;
    DetailViewLayout layout;
    layout.stripHeight = pixelsPerInch / 4;
    const long double w = client.width() - 12;
    const long double h = client.height() - layout.stripHeight - 12;
    const long double p = screenPixelsPerMm;
    const long double scale = std::min(fitting(h, box.bottom - box.top, p), fitting(w, box.right - box.left, p));
    // A box of no size at all has no zoom; nor has a screen too small for 1 %.
    if (!std::isfinite(scale) || scale * 100 > std::numeric_limits<int>::max())
        return std::nullopt;
    layout.zoom = roundHalfEven(scale * 100);
    if (layout.zoom < 1)
        return std::nullopt;
    layout.pixelsPerMm = layout.zoom * p / 100;
    layout.picture = QSize(roundHalfEven((box.right - box.left) * layout.pixelsPerMm) + 2 * PictureBorder,
                           roundHalfEven((box.bottom - box.top) * layout.pixelsPerMm) + 2 * PictureBorder);
    layout.picturePosition =
        QPoint((client.width() - layout.picture.width()) / 2 + 2,
               (client.height() - layout.stripHeight - layout.picture.height() - 2) / 2 + layout.stripHeight + 2);
    return layout;
}

std::unique_ptr<DetailView> DetailView::create(const QList<const Seal *> &seals, long double screenPixelsPerMm,
                                               const QRect &screen, int pixelsPerInch, QWidget *parent)
{
    const SelectionBox box = selectionBounds(seals);
    const std::optional<DetailViewLayout> layout =
        detailViewLayout(box, screenPixelsPerMm, screen.size(), pixelsPerInch);
    if (!layout)
        return nullptr;
    QImage picture(layout->picture, QImage::Format_RGB32);
    if (picture.isNull())
        return nullptr;
    picture.fill(Qt::white);
    {
        // Drawn afresh at the view's scale by the one routine that draws seals anywhere; the
        // document's own seals keep their scale.
        QPainter painter(&picture);
        PainterSurface surface(&painter);
        const long double e = layout->pixelsPerMm;
        renderSeals(seals, e, surface, {PictureBorder - box.left * e, PictureBorder - box.top * e}, SealColours::Own);
    }
    return std::unique_ptr<DetailView>(new DetailView(*layout, std::move(picture), screen, parent));
}

DetailView::DetailView(const DetailViewLayout &layout, QImage picture, const QRect &screen, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_layout(layout), m_picture(std::move(picture))
{
    setObjectName(u"frmZoomView"_s);
    setAccessibleName(tr("细节查看"));
    setWindowTitle(tr("细节查看"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    setGeometry(screen);

    m_strip = new QLabel(this);
    m_strip->setObjectName(u"Panel1"_s);
    m_strip->setAlignment(Qt::AlignCenter);
    m_strip->setAutoFillBackground(true);
    m_strip->setText(tr("当前放大倍数是： ") + QString::number(layout.zoom) + u'%');
    m_strip->setAccessibleName(m_strip->text());
    m_strip->setGeometry(0, 0, screen.width(), layout.stripHeight);
}

void DetailView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // The pen of width 2 under the strip, across the whole window.
    p.fillRect(QRect(0, m_layout.stripHeight, width(), 2), toQColor(StripLineColour));
    p.drawImage(m_layout.picturePosition, m_picture);
}

void DetailView::mousePressEvent(QMouseEvent *event)
{
    // The strip passes its clicks on; anywhere closes the view.
    event->accept();
    accept();
}

std::unique_ptr<DetailView> MainWindow::buildDetailView()
{
    DocumentWindow *child = activeDocument();
    if (!child)
        return nullptr;
    const SealSelection &selection = child->document().selection();
    if (selection.empty())
        return nullptr;
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    return DetailView::create(QList<const Seal *>(selection.begin(), selection.end()), child->screenPixelsPerMm(),
                              s->geometry(), logicalDpiX(), this);
}

void MainWindow::showDetailView()
{
    std::unique_ptr<DetailView> view = buildDetailView();
    if (!view)
        return;
    // Borderless over the whole screen, as the numbers were worked out for.
    view->setWindowState(Qt::WindowFullScreen);
    view->exec();
}

} // namespace qm
