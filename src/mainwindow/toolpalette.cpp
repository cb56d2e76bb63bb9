// The drawing tools palette: its controls, their layout from the screen's resolution, the two
// sets of commands on its buttons, and the colour square.

#include "mainwindow/toolpalette.h"

#include "controls/hints.h"
#include "controls/hoverimage.h"
#include "mainwindow/drawactions.h"
#include "picture/surface.h"

#include <QAction>
#include <QActionEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QSvgRenderer>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

// The palette's own pictures, drawn at their natural size for the screen's pixel ratio.
QPixmap palettePicture(const QString &name, qreal ratio, QSize size = QSize())
{
    QSvgRenderer svg(u":/quillmark/palette/"_s + name + u".svg"_s);
    if (!size.isValid())
        size = svg.defaultSize();
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        svg.render(&p);
    }
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

// The lit form of a tool picture: its ink tinted towards the highlight blue.
QPixmap hotPixmap(const QPixmap &normal)
{
    QPixmap hot = normal;
    QPainter p(&hot);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    p.fillRect(hot.rect(), QColor(0, 96, 208, 150));
    return hot;
}

// The tools on the buttons of either set, from button 1 in table order: the seals, or the
// drawing elements and then the hand and the two zoom modes.
bool inSet(ToolFamily family, bool seals)
{
    if (seals)
        return family == ToolFamily::OfficialSeal || family == ToolFamily::NameSeal;
    return family == ToolFamily::DrawingElement || family == ToolFamily::View;
}

// After its tools, buttons 20 … 24 of the drawing set carry commands of the main window's own
// list, found by name; a button whose command is missing keeps the command's hint as its name.
struct NamedCommand {
    const char16_t *name;
    const char *hint; // source text of the translation
};
constexpr NamedCommand DrawingSetNamed[] = {
    {u"actPageZoom", QT_TRANSLATE_NOOP("qm::ToolPalette", "正常页面视图|正常页面视图")},
    {u"actBringToFront", QT_TRANSLATE_NOOP("qm::ToolPalette", "浮起到表层|浮起到表层")},
    {u"actSendToBack", QT_TRANSLATE_NOOP("qm::ToolPalette", "压入到底层|压入到底层")},
    {u"actSameCenter", QT_TRANSLATE_NOOP("qm::ToolPalette", "对准中心|对准中心")},
    {u"actChangePicture", QT_TRANSLATE_NOOP("qm::ToolPalette", "从文件更换图象|从文件更换图象")},
};

// Buttons per tool bar: 1–4, 5–10, 11–16, 17–24.
constexpr int FirstButton[5] = {1, 5, 11, 17, 25};

} // namespace

// The colour square: a rectangle in the colour new elements take; a click runs set colour.
class ToolPalette::ColourSquare : public QWidget
{
public:
    ColourSquare(QWidget *parent, std::function<void()> clicked) : QWidget(parent), m_clicked(std::move(clicked)) {}

    void setColour(Colour colour)
    {
        m_colour = colour;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(Qt::black);
        p.setBrush(toQColor(m_colour));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    void mousePressEvent(QMouseEvent *event) override { m_pressed = event->button() == Qt::LeftButton; }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        const bool click =
            m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
        m_pressed = false;
        if (click && m_clicked)
            m_clicked();
    }

private:
    std::function<void()> m_clicked;
    Colour m_colour = clRed;
    bool m_pressed = false;
};

// A flat tool button that shows its command and, while hot pictures are on, a lit picture under
// the mouse. Its accessible name follows the command's short hint.
class ToolPalette::PaletteButton : public QToolButton
{
public:
    using QToolButton::QToolButton;

    void setHot(bool hot)
    {
        m_hot = hot;
        update();
    }

protected:
    void actionEvent(QActionEvent *event) override
    {
        QToolButton::actionEvent(event);
        if (event->type() == QEvent::ActionChanged && event->action() == defaultAction())
            setAccessibleName(shortHint(defaultAction()->toolTip()).section(u'\n', 0, 0));
    }
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter p(this);
        QStyleOptionToolButton opt;
        initStyleOption(&opt);
        if (m_hot && (opt.state & QStyle::State_MouseOver) && (opt.state & QStyle::State_Enabled) &&
            !opt.icon.isNull()) {
            const QPixmap normal = opt.icon.pixmap(opt.iconSize, devicePixelRatio(), QIcon::Normal,
                                                   (opt.state & QStyle::State_On) ? QIcon::On : QIcon::Off);
            opt.icon = QIcon(hotPixmap(normal));
        }
        p.drawComplexControl(QStyle::CC_ToolButton, opt);
    }

private:
    bool m_hot = true;
};

ToolPalette::ToolPalette(const DrawToolsOptions &options, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_options(options),
      m_ppi(options.pixelsPerInch > 0
                ? options.pixelsPerInch
                : qRound((parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen())
                             ->logicalDotsPerInchX()))
{
    setObjectName(u"FrmDrawTools"_s);
    setWindowTitle(tr("绘图工具"));
    setAccessibleName(windowTitle());
    // A palette beside the documents: showing it leaves the focus where it was.
    setAttribute(Qt::WA_ShowWithoutActivating);
    createControls();
    bindButtons();
    layoutControls();
}

void ToolPalette::createControls()
{
    m_banner = new HoverImage(this);
    m_banner->setObjectName(u"ImageEx1"_s);
    m_banner->setAlignment(Qt::AlignCenter);
    m_banner->setCursor(Qt::PointingHandCursor);
    applyHint(m_banner, tr("访问作者主页\r\n查看产品信息|访问作者主页"));
    bannerPicture(false);
    connect(m_banner, &HoverImage::mouseEnter, this, [this] { bannerPicture(true); });
    connect(m_banner, &HoverImage::mouseLeave, this, [this] { bannerPicture(false); });
    connect(m_banner, &HoverImage::clicked, this, [this] {
        if (QAction *home = m_options.namedAction ? m_options.namedAction(u"actGoHomePage"_s) : nullptr)
            home->trigger();
    });

    m_toolPanel = new QWidget(this);
    m_toolPanel->setObjectName(u"Panel1"_s);
    m_toolPanel->setAccessibleName(tr("工具按钮"));
    for (int bar = 1; bar <= 6; ++bar) {
        auto *w = new QWidget(m_toolPanel);
        w->setObjectName(u"ToolBar"_s + QString::number(bar));
        m_toolBars.at(size_t(bar - 1)) = w;
    }
    for (int bar = 1; bar <= 4; ++bar) {
        m_toolBars.at(size_t(bar - 1))->setAccessibleName(tr("绘图工具栏") + QString::number(bar));
        for (int n = FirstButton[bar - 1]; n < FirstButton[bar]; ++n) {
            auto *b = new PaletteButton(m_toolBars.at(size_t(bar - 1)));
            b->setObjectName(u"ToolButton"_s + QString::number(n));
            b->setAutoRaise(true);
            b->setFocusPolicy(Qt::NoFocus);
            b->setIconSize(QSize(20, 20));
            m_buttons.at(size_t(n - 1)) = b;
        }
    }

    QWidget *modeBar = toolBar(6);
    modeBar->setAccessibleName(tr("切换工具栏"));
    m_modeButton = new QToolButton(modeBar);
    m_modeButton->setObjectName(u"ToolButton25"_s);
    m_modeButton->setCheckable(true);
    m_modeButton->setAutoRaise(true);
    m_modeButton->setFocusPolicy(Qt::NoFocus);
    m_modeButton->setIconSize(ModePictureSize);
    QIcon modeIcon;
    const qreal ratio = devicePixelRatioF();
    modeIcon.addPixmap(palettePicture(u"mode"_s, ratio, ModePictureSize), QIcon::Normal);
    modeIcon.addPixmap(palettePicture(u"modehot"_s, ratio, ModePictureSize), QIcon::Active);
    m_modeButton->setIcon(modeIcon);
    applyHint(m_modeButton, tr("切换工具栏|切换工具栏"));
    connect(m_modeButton, &QToolButton::toggled, this, [this](bool seals) { setSealMode(seals); });

    QWidget *colourBar = toolBar(5);
    colourBar->setAccessibleName(tr("颜色"));
    m_colourPanel = new QWidget(colourBar);
    m_colourPanel->setObjectName(u"Panel2"_s);
    m_colourPicture = new QLabel(m_colourPanel);
    m_colourPicture->setObjectName(u"Image4"_s);
    m_colourPicture->setAccessibleName(tr("颜色"));
    m_colourPicture->setPixmap(palettePicture(u"C1"_s, ratio));
    m_colourPicture->resize(m_colourPicture->pixmap().deviceIndependentSize().toSize());
    m_shape = new ColourSquare(m_colourPanel, [this] {
        if (m_options.setColor)
            m_options.setColor();
    });
    m_shape->setObjectName(u"Shape1"_s);
    applyHint(m_shape, tr("设置颜色|设置颜色"));
    m_shape->setColour(m_swatch);
}

void ToolPalette::bannerPicture(bool hot)
{
    m_banner->setPicture(palettePicture(hot ? u"T1"_s : u"T2"_s, devicePixelRatioF()));
}

void ToolPalette::layoutControls()
{
    const int margin = m_ppi / 32;
    const int panelWidth = 2 * ButtonSide; // two buttons to a row
    const int clientWidth = panelWidth + 2 * margin;

    // The banner lies along the top, as high as its picture, the picture centred.
    m_banner->setGeometry(0, 0, clientWidth, m_banner->pixmap().deviceIndependentSize().toSize().height());
    m_toolPanel->move(margin, m_banner->height() + margin);

    int y = 0;
    for (int bar = 1; bar <= 4; ++bar) {
        const int first = FirstButton[bar - 1];
        const int count = FirstButton[bar] - first;
        const int rows = (count + 1) / 2;
        toolBar(bar)->setGeometry(0, y, panelWidth, rows * ButtonSide);
        for (int i = 0; i < count; ++i)
            toolButton(first + i)->setGeometry((i % 2) * ButtonSide, (i / 2) * ButtonSide, ButtonSide, ButtonSide);
        y += rows * ButtonSide;
    }

    // The colour square fills the colour bar beside its picture.
    QWidget *colourBar = toolBar(5);
    const QSize picture = m_colourPicture->size();
    colourBar->setGeometry(0, y, panelWidth, picture.height());
    m_colourPanel->setGeometry(0, 0, colourBar->width(), picture.height());
    m_colourPicture->move(0, 0);
    m_shape->setGeometry(m_colourPicture->x() + picture.width() + 2 * margin, m_colourPicture->y(),
                         m_colourPanel->width() - picture.width() - 2 * margin, picture.height());
    y += colourBar->height();

    // The switch ends the panel, so the palette ends one pixel below it.
    QWidget *modeBar = toolBar(6);
    modeBar->setGeometry(0, y, panelWidth, ModeButtonSize.height());
    m_modeButton->setGeometry(QRect(QPoint(0, 0), ModeButtonSize));
    m_toolPanel->resize(panelWidth, modeBar->y() + modeBar->height() + 1);
    setFixedSize(clientWidth, m_toolPanel->y() + m_toolPanel->height());
}

void ToolPalette::showEvent(QShowEvent *event)
{
    layoutControls();
    QWidget::showEvent(event);
}

void ToolPalette::placeAt(QPoint screenPosition)
{
    move(screenPosition);
}

QToolButton *ToolPalette::toolButton(int number) const
{
    if (number == 25)
        return m_modeButton;
    return number >= 1 && number <= ButtonCount ? m_buttons.at(size_t(number - 1)) : nullptr;
}

QWidget *ToolPalette::colourSquare() const
{
    return m_shape;
}

bool ToolPalette::sealMode() const
{
    return m_modeButton->isChecked();
}

void ToolPalette::setSealMode(bool seals)
{
    {
        const QSignalBlocker block(m_modeButton);
        m_modeButton->setChecked(seals);
    }
    m_hotImages = !seals;
    for (PaletteButton *b : m_buttons)
        b->setHot(m_hotImages);
    bindButtons();
}

void ToolPalette::bindButtons()
{
    const DrawActions *actions = m_options.drawActions;
    const bool seals = sealMode();
    int n = 1;
    for (const ToolInfo &tool : allTools())
        if (inSet(tool.family, seals) && n <= ButtonCount)
            bindButton(n++, actions ? actions->action(tool.tool) : nullptr, QString());
    if (seals)
        return;
    for (const NamedCommand &c : DrawingSetNamed) {
        const QString name = QString::fromUtf16(c.name);
        if (n <= ButtonCount)
            bindButton(n++, m_options.namedAction ? m_options.namedAction(name) : nullptr, tr(c.hint));
    }
}

void ToolPalette::bindButton(int button, QAction *action, const QString &missingHint)
{
    PaletteButton *b = m_buttons.at(size_t(button - 1));
    // Every command the button carried goes, and with it the button's connection to it: a
    // button answers only to the command it shows now.
    const QList<QAction *> old = b->actions();
    for (QAction *a : old)
        if (a != action)
            b->removeAction(a);
    if (action) {
        // A command without a picture of its own gets the tool picture made for it.
        if (action->icon().isNull()) {
            const QString picture = u":/quillmark/tools/"_s + action->objectName() + u".svg"_s;
            if (QFile::exists(picture))
                action->setIcon(QIcon(picture));
        }
        b->setDefaultAction(action);
        b->setAccessibleName(shortHint(action->toolTip()).section(u'\n', 0, 0));
        return;
    }
    b->setIcon(QIcon());
    b->setChecked(false);
    b->setCheckable(false);
    b->setEnabled(false);
    b->setToolTip(shortHint(missingHint));
    b->setAccessibleName(shortHint(missingHint));
}

QAction *ToolPalette::boundAction(int button) const
{
    const QToolButton *b = toolButton(button);
    return b && button <= ButtonCount ? b->defaultAction() : nullptr;
}

void ToolPalette::setSwatchColor(Colour colour)
{
    m_swatch = colour;
    m_shape->setColour(colour);
}

} // namespace qm
