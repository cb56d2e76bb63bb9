#include "pdfwindow/pdfstampwindow.h"

#include "pdfwindow/pdfpageview.h"
#include "seal/seal.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPdfDocument>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <QUndoCommand>
#include <QVBoxLayout>

#include <cmath>
#include <filesystem>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

// One change of the placement: where the seals stand, on which page, how far turned.
class PlacementStep : public QUndoCommand
{
public:
    PlacementStep(PdfStampWindow &window, StampPlacement before, StampPlacement after, const QString &text)
        : QUndoCommand(text), m_window(window), m_before(std::move(before)), m_after(std::move(after))
    {
    }
    void redo() override { m_window.applyPlacement(m_after); }
    void undo() override { m_window.applyPlacement(m_before); }

private:
    PdfStampWindow &m_window;
    StampPlacement m_before;
    StampPlacement m_after;
};

// Degrees in [0, 360), a tenth of a degree being the finest step the box shows.
double normalisedDegrees(double degrees)
{
    double d = std::fmod(std::round(degrees * 10) / 10, 360.0);
    if (d < 0)
        d += 360;
    return d >= 360 ? 0 : d;
}

// The same file, also through another name (a link); a file that does not exist yet is not.
bool sameFile(const QString &a, const QString &b)
{
    std::error_code error;
    const bool same = std::filesystem::equivalent(std::filesystem::path(QFile::encodeName(a).toStdString()),
                                                  std::filesystem::path(QFile::encodeName(b).toStdString()), error);
    if (!error)
        return same;
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

QLabel *buddyLabel(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

} // namespace

std::unique_ptr<PdfStampWindow> PdfStampWindow::create(const QString &pdfPath, const QList<const Seal *> &documentSeals,
                                                       const QList<int> &chosen, PdfStampWindowOptions options,
                                                       QString *refusal, QWidget *parent)
{
    auto refuse = [refusal](const QString &text) {
        if (refusal)
            *refusal = text;
        return nullptr;
    };
    if (documentSeals.isEmpty())
        return refuse(tr("文档中没有印章，没有可以盖到PDF上的内容。"));
    for (int index : chosen) {
        if (index < 0 || index >= documentSeals.size())
            return refuse(tr("所选的印章不在文档中。"));
    }
    // The core decides what it can stamp: a damaged file, one that is no PDF or one locked with
    // a password is refused here with its reason.
    const PdfInspection inspection = inspectPdf(pdfPath);
    if (!inspection.ok)
        return refuse(inspection.message.isEmpty() ? tr("无法读取PDF文件：\r%1").arg(QDir::toNativeSeparators(pdfPath))
                                                   : inspection.message);
    if (inspection.pages.isEmpty())
        return refuse(tr("PDF文件中没有页面：\r%1").arg(QDir::toNativeSeparators(pdfPath)));
    auto pdf = std::make_unique<QPdfDocument>();
    if (pdf->load(pdfPath) != QPdfDocument::Error::None || pdf->pageCount() < 1)
        return refuse(tr("无法显示PDF文件的页面：\r%1").arg(QDir::toNativeSeparators(pdfPath)));
    return std::unique_ptr<PdfStampWindow>(new PdfStampWindow(pdfPath, inspection.pages, std::move(pdf), documentSeals,
                                                              chosen, std::move(options), parent));
}

PdfStampWindow::PdfStampWindow(const QString &pdfPath, QList<PdfPageInfo> pages, std::unique_ptr<QPdfDocument> pdf,
                               const QList<const Seal *> &documentSeals, const QList<int> &chosen,
                               PdfStampWindowOptions options, QWidget *parent)
    : QDialog(parent), m_path(pdfPath), m_pages(std::move(pages)), m_pdf(std::move(pdf)), m_options(std::move(options))
{
    setObjectName(u"PdfStampWindow"_s);
    setWindowTitle(caption() + u" - "_s + QFileInfo(pdfPath).fileName());
    setAccessibleName(caption());

    QList<const Seal *> group;
    for (const Seal *seal : documentSeals) {
        // The core measures a group by the seals' boxes on their page: the copies get theirs.
        std::unique_ptr<Seal> copy = seal->storedCopy();
        const bool placed = seal->PixelsPerMm() > 0 && seal->Zoom() > 0;
        copy->placeAtScale(placed ? seal->PixelsPerMm() : m_options.screenPixelsPerMm, placed ? seal->Zoom() : 100);
        m_seals.push_back(std::move(copy));
    }
    if (chosen.isEmpty()) {
        for (int i = 0; i < int(m_seals.size()); ++i)
            m_placement.seals.append(i + 1);
    } else {
        QList<int> sorted = chosen;
        std::sort(sorted.begin(), sorted.end());
        sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
        for (int i : std::as_const(sorted))
            m_placement.seals.append(i + 1);
    }
    for (int number : std::as_const(m_placement.seals))
        group.append(m_seals[size_t(number - 1)].get());
    m_group = SealGroup(group);

    m_placement.page = 1;
    m_placement.centreMm = m_group.startCentre(m_group.anchorMm(), pageSizeMm(1));

    createControls();
    renderPage();
    applyPlacement(m_placement);
    m_undo.setClean();
    resize(900, 760);
}

PdfStampWindow::~PdfStampWindow() = default;

QString PdfStampWindow::caption()
{
    return tr("盖章到PDF");
}

void PdfStampWindow::createControls()
{
    m_undoAction = m_undo.createUndoAction(this, tr("撤销"));
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redoAction = m_undo.createRedoAction(this, tr("重做"));
    m_redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_saveAction = new QAction(tr("保存(&S)…"), this);
    m_saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_saveAction->setToolTip(tr("把盖好印章的PDF保存为新文件"));
    connect(m_saveAction, &QAction::triggered, this, [this] { save(); });
    auto *closeAction = new QAction(tr("关闭(&C)"), this);
    connect(closeAction, &QAction::triggered, this, &QDialog::close);
    for (QAction *a : {m_undoAction, m_redoAction, m_saveAction, closeAction}) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }

    m_pageBox = new QSpinBox;
    m_pageBox->setRange(1, pageCount());
    m_pageBox->setSuffix(tr(" / %1").arg(pageCount()));
    m_pageBox->setKeyboardTracking(false);
    m_pageBox->setAccessibleName(tr("盖章页面"));
    m_pageBox->setToolTip(tr("印章盖在显示的这一页上"));
    connect(m_pageBox, &QSpinBox::valueChanged, this, &PdfStampWindow::showPage);

    m_zoomBox = new QSpinBox;
    m_zoomBox->setRange(MinZoom, MaxZoom);
    m_zoomBox->setSingleStep(25);
    m_zoomBox->setSuffix(u"%"_s);
    m_zoomBox->setValue(m_zoom);
    m_zoomBox->setKeyboardTracking(false);
    m_zoomBox->setAccessibleName(tr("缩放"));
    m_zoomBox->setToolTip(tr("100%为实际尺寸"));
    connect(m_zoomBox, &QSpinBox::valueChanged, this, &PdfStampWindow::setZoom);

    m_rotationBox = new QDoubleSpinBox;
    m_rotationBox->setRange(0, 359.9);
    m_rotationBox->setDecimals(1);
    m_rotationBox->setWrapping(true);
    m_rotationBox->setSuffix(u"°"_s);
    m_rotationBox->setKeyboardTracking(false);
    m_rotationBox->setAccessibleName(tr("旋转角度"));
    m_rotationBox->setToolTip(tr("逆时针旋转的角度"));
    connect(m_rotationBox, &QDoubleSpinBox::valueChanged, this, &PdfStampWindow::setRotation);

    m_opacityBox = new QSpinBox;
    m_opacityBox->setRange(10, 100);
    m_opacityBox->setSingleStep(10);
    m_opacityBox->setSuffix(u"%"_s);
    m_opacityBox->setValue(100);
    m_opacityBox->setAccessibleName(tr("不透明度"));
    m_multiplyBox = new QCheckBox(tr("正片叠底(&M)"));
    m_multiplyBox->setChecked(true);
    m_multiplyBox->setAccessibleName(tr("正片叠底"));
    m_multiplyBox->setToolTip(tr("印章与页面的文字叠在一起，像真的盖章一样"));
    auto blend = [this] { m_view->setBlend(m_opacityBox->value() / 100.0, m_multiplyBox->isChecked()); };
    connect(m_opacityBox, &QSpinBox::valueChanged, this, blend);
    connect(m_multiplyBox, &QCheckBox::toggled, this, blend);

    auto *controls = new QHBoxLayout;
    controls->addWidget(buddyLabel(tr("页面(&P)："), m_pageBox));
    controls->addWidget(m_pageBox);
    controls->addWidget(buddyLabel(tr("缩放(&Z)："), m_zoomBox));
    controls->addWidget(m_zoomBox);
    controls->addWidget(buddyLabel(tr("旋转(&R)："), m_rotationBox));
    controls->addWidget(m_rotationBox);
    controls->addWidget(buddyLabel(tr("不透明度(&O)："), m_opacityBox));
    controls->addWidget(m_opacityBox);
    controls->addWidget(m_multiplyBox);
    controls->addStretch();
    for (QAction *a : {m_undoAction, m_redoAction, m_saveAction, closeAction}) {
        auto *button = new QToolButton;
        button->setDefaultAction(a);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setFocusPolicy(Qt::StrongFocus);
        controls->addWidget(button);
    }
    // The buttons follow their actions, whose texts name the next undo and redo step.
    auto nameButtons = [this] {
        for (auto *button : findChildren<QToolButton *>())
            button->setAccessibleName(button->defaultAction()->text().remove(u'&'));
    };
    connect(&m_undo, &QUndoStack::indexChanged, this, nameButtons);
    nameButtons();

    m_view = new PdfPageView;
    m_view->setGroup(&m_group);
    m_view->setScale(m_options.screenPixelsPerMm, m_zoom);
    m_view->setBlend(1, true);
    connect(m_view, &PdfPageView::movedBy, this, &PdfStampWindow::moveBy);
    connect(m_view, &PdfPageView::turnedBy, this, &PdfStampWindow::turnBy);
    m_scroll = new QScrollArea;
    m_scroll->setWidget(m_view);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setAccessibleName(tr("PDF页面区域"));

    auto *hint = new QLabel(tr("拖动印章，或用方向键移动（每次0.1毫米，按住Shift每次1毫米）；Ctrl+←/→ "
                               "旋转（每次1°，按住Shift每次15°）；Ctrl+Z撤销，Ctrl+Y重做。缩放100%时为实际尺寸。"));
    hint->setWordWrap(true);
    m_position = new QLabel;
    m_position->setAccessibleName(tr("印章位置"));
    m_status = new QLabel;
    m_status->setAccessibleName(tr("保存结果"));
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(hint);
    layout->addWidget(m_position);
    layout->addWidget(m_status);

    setTabOrder(m_view, m_pageBox);
    m_view->setFocus(Qt::OtherFocusReason);
}

QSizeF PdfStampWindow::pageSizeMm(int page) const
{
    return m_pages.value(page - 1).sizeMm;
}

StampOptions PdfStampWindow::stampOptions() const
{
    StampOptions options;
    options.opacity = m_opacityBox->value() / 100.0;
    options.multiply = m_multiplyBox->isChecked();
    return options;
}

void PdfStampWindow::pushPlacement(const StampPlacement &after, const QString &text)
{
    if (after.page == m_placement.page && after.centreMm == m_placement.centreMm &&
        after.rotationDegrees == m_placement.rotationDegrees)
        return;
    m_undo.push(new PlacementStep(*this, m_placement, after, text));
}

void PdfStampWindow::moveBy(QPointF deltaMm)
{
    StampPlacement after = m_placement;
    // Tenths of a micrometre: keys that go there and back come back to the same number.
    const QPointF moved = m_placement.centreMm + deltaMm;
    after.centreMm = QPointF(std::round(moved.x() * 1e4) / 1e4, std::round(moved.y() * 1e4) / 1e4);
    pushPlacement(after, tr("移动印章"));
}

void PdfStampWindow::turnBy(double degrees)
{
    setRotation(m_placement.rotationDegrees + degrees);
}

void PdfStampWindow::setRotation(double degrees)
{
    StampPlacement after = m_placement;
    after.rotationDegrees = normalisedDegrees(degrees);
    pushPlacement(after, tr("旋转印章"));
}

void PdfStampWindow::showPage(int number)
{
    if (number < 1 || number > pageCount())
        return;
    StampPlacement after = m_placement;
    after.page = number;
    // Seals that would stand off a page of another size go to its middle.
    const QRectF box = m_group.pageBoxMm(after.centreMm, after.rotationDegrees);
    const QRectF page(QPointF(0, 0), pageSizeMm(number));
    if (!page.contains(box))
        after.centreMm = page.center() - m_group.pageBoxMm({}, after.rotationDegrees).center();
    pushPlacement(after, tr("换到第%1页").arg(number));
}

void PdfStampWindow::setZoom(int zoom)
{
    zoom = std::clamp(zoom, int(MinZoom), int(MaxZoom));
    if (zoom == m_zoom)
        return;
    // The point in the middle of the view stays there.
    QScrollBar *bars[2] = {m_scroll->horizontalScrollBar(), m_scroll->verticalScrollBar()};
    const int viewport[2] = {m_scroll->viewport()->width(), m_scroll->viewport()->height()};
    const int before[2] = {std::max(1, m_view->width()), std::max(1, m_view->height())};
    double middle[2];
    for (int i = 0; i < 2; ++i)
        middle[i] = (bars[i]->value() + viewport[i] / 2.0) / before[i];
    m_zoom = zoom;
    m_zoomBox->blockSignals(true);
    m_zoomBox->setValue(zoom);
    m_zoomBox->blockSignals(false);
    m_view->setScale(m_options.screenPixelsPerMm, zoom);
    renderPage();
    m_scroll->widget()->adjustSize();
    const int after[2] = {m_view->width(), m_view->height()};
    for (int i = 0; i < 2; ++i) {
        bars[i]->setRange(0, std::max(0, after[i] - viewport[i]));
        bars[i]->setValue(int(std::lround(middle[i] * after[i] - viewport[i] / 2.0)));
    }
}

void PdfStampWindow::renderPage()
{
    const long double k = m_view->pixelsPerMm();
    const QSizeF mm = pageSizeMm(m_placement.page);
    const QSize full(std::max(1, int(std::lround(mm.width() * k))), std::max(1, int(std::lround(mm.height() * k))));
    // A poster-sized page at a high zoom would need gigabytes: its picture is made smaller and
    // drawn enlarged, while the seals over it keep their true size.
    const double pixels = double(full.width()) * full.height();
    const double shrink = pixels > MaxPagePixels ? std::sqrt(MaxPagePixels / pixels) : 1;
    const QSize size =
        shrink < 1 ? QSize(std::max(1, int(full.width() * shrink)), std::max(1, int(full.height() * shrink))) : full;
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    if (!page.isNull() && m_placement.page <= m_pdf->pageCount()) {
        // Pages without a background of their own come out transparent; paper is white.
        const QImage rendered = m_pdf->render(m_placement.page - 1, size);
        QPainter painter(&page);
        painter.drawImage(0, 0, rendered);
    }
    m_view->setPageImage(page, full);
}

void PdfStampWindow::applyPlacement(const StampPlacement &placement)
{
    const bool newPage = placement.page != m_placement.page || m_view->pageImage().isNull();
    m_placement = placement;
    if (newPage)
        renderPage();
    m_view->setPlacement(placement.centreMm, placement.rotationDegrees);
    for (QAbstractSpinBox *box : std::initializer_list<QAbstractSpinBox *>{m_pageBox, m_rotationBox})
        box->blockSignals(true);
    m_pageBox->setValue(placement.page);
    m_rotationBox->setValue(placement.rotationDegrees);
    for (QAbstractSpinBox *box : std::initializer_list<QAbstractSpinBox *>{m_pageBox, m_rotationBox})
        box->blockSignals(false);
    showPlacementText();
}

void PdfStampWindow::showPlacementText()
{
    const QString text =
        tr("印章中心：距页面左边 %1 毫米，距上边 %2 毫米；逆时针旋转 %3°；第 %4 页，共 %5 页")
            .arg(QString::number(m_placement.centreMm.x(), 'f', 1), QString::number(m_placement.centreMm.y(), 'f', 1),
                 QString::number(m_placement.rotationDegrees, 'f', 1))
            .arg(m_placement.page)
            .arg(pageCount());
    m_position->setText(text);
    m_view->setAccessibleDescription(text);
}

void PdfStampWindow::warn(const QString &text)
{
    if (m_options.warn)
        m_options.warn(this, text);
    else
        QMessageBox::warning(this, caption(), QString(text).replace(u'\r', u'\n'));
}

bool PdfStampWindow::save()
{
    const QFileInfo input(m_path);
    const QString proposed = input.dir().filePath(input.completeBaseName() + tr("-盖章") + u".pdf"_s);
    const QString out = m_options.askOutputFile ? m_options.askOutputFile(this, proposed) : QString();
    if (out.isEmpty())
        return false;
    if (sameFile(out, m_path)) {
        warn(tr("不能保存到打开的PDF文件本身：盖章的结果总是保存为一个新文件，原文件保持不变。\r请换一个文件名。"));
        return false;
    }
    QList<const Seal *> seals;
    for (const auto &seal : m_seals)
        seals.append(seal.get());
    const StampResult result = stampPdf(m_path, out, seals, {m_placement}, {}, stampOptions());
    if (!result.ok) {
        warn(result.message.isEmpty() ? tr("无法保存PDF文件：\r%1").arg(QDir::toNativeSeparators(out))
                                      : result.message);
        return false;
    }
    m_written = out;
    m_status->setText(tr("已保存：%1").arg(QDir::toNativeSeparators(out)));
    return true;
}

} // namespace qm
