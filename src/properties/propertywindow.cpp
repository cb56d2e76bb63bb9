#include "properties/propertywindow.h"

#include "controls/flatpanel.h"
#include "controls/tabbutton.h"
#include "document/sealdocument.h"
#include "properties/propertyboxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

// A colour value 0x00BBGGRR.
QColor fromColorRef(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int(bgr >> 8 & 0xFF), int(bgr >> 16 & 0xFF));
}

const quint32 BoxTextColour = 0x700400;
const quint32 ThanksColour = 0xFF8000;
// The main window's status panel for notes about typed values.
constexpr int StatusPanel = 4;

// The groups of a page, for its tab's tool tip and description.
QString pageGroupsText(int page)
{
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("qm::PropertyWindow", "A：中心定位、主边框、主边框衬线、转轮框、中心线"),
        QT_TRANSLATE_NOOP("qm::PropertyWindow", "B：内边框、图符、纹线"),
        QT_TRANSLATE_NOOP("qm::PropertyWindow", "C：印章文字"),
        QT_TRANSLATE_NOOP("qm::PropertyWindow", "D：印章编码、表格")};
    return PropertyWindow::tr(texts[page - 1]);
}

// A push pin, tilted, in the colour of button captions.
QIcon pinIcon(int size, const QColor &colour)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 16.0;
    p.translate(size / 2.0, size / 2.0);
    p.rotate(45);
    p.translate(-size / 2.0, -size / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRect(QRectF(5 * u, 1 * u, 6 * u, 6 * u));
    p.drawRect(QRectF(3 * u, 7 * u, 10 * u, 2 * u));
    p.setPen(QPen(colour, 1.5 * u));
    p.drawLine(QPointF(8 * u, 9 * u), QPointF(8 * u, 15 * u));
    return QIcon(pixmap);
}

bool isWide(BoxKind box)
{
    return box == BoxKind::Font || box == BoxKind::Memo || box == BoxKind::Text || box == BoxKind::LineList;
}

} // namespace

PropertyWindow::PropertyWindow(PropertyHost &host, QWidget *parent, int pixelsPerInch)
    : QWidget(parent, Qt::Tool), m_host(host),
      m_ppi(pixelsPerInch > 0
                ? pixelsPerInch
                : qRound((parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen())
                             ->logicalDotsPerInchX()))
{
    setObjectName(u"TfrmProprty"_s);
    setWindowTitle(tr("印章属性"));
    setAccessibleName(tr("印章属性"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Opening beside the main window must not take the focus from it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(QApplication::font("QMenu"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Midlight));
    setPalette(pal);
    setAutoFillBackground(true);

    buildTabs();
    buildPages();
    layoutTabs();
    tabPressed(1);
    m_rolledUp = false;
    setClientHeight(m_pageAHeight);
    showSealProperties(nullptr);
    if (m_host.propertyWindowPinned()) {
        const QSignalBlocker block(m_pin);
        m_pin->setChecked(true);
    }
}

PropertyWindow::~PropertyWindow()
{
    // The boxes outlive this object's members while the widget base deletes them.
    for (Slot &s : m_slots) {
        s.box->disconnect(this);
        s.box->removeEventFilter(this);
        for (QLineEdit *inner : s.box->findChildren<QLineEdit *>())
            inner->removeEventFilter(this);
    }
    for (TabButton *tab : m_tabs)
        tab->disconnect(this);
    m_pin->disconnect(this);
    if (m_document)
        m_document->disconnect(this);
}

void PropertyWindow::buildTabs()
{
    m_strip = new FlatPanel(this);
    m_strip->setObjectName(u"QMVFlatPanel1"_s);
    m_strip->setPanelStyle(PanelStyle::psPhotoShop);
    m_strip->setFrameWidth(1);
    m_strip->setAccessibleName(tr("属性页"));
    const QString captions[] = {u"A"_s, u"B"_s, u"C"_s, u"D"_s};
    for (int i = 0; i < 4; ++i) {
        auto *tab = new TabButton(m_strip);
        tab->setObjectName(u"QMVButton%1"_s.arg(i + 1));
        tab->setCaption(captions[i]);
        tab->setTag(i + 1);
        tab->resize(m_ppi / 3, m_ppi / 6);
        const QString groups = pageGroupsText(i + 1);
        tab->setToolTip(groups);
        tab->setAccessibleDescription(groups);
        connect(tab, &TabButton::mouseDown, this, [this, i](Qt::MouseButton button) {
            m_engaged = true;
            if (button == Qt::LeftButton)
                tabPressed(i + 1);
        });
        connect(tab, &TabButton::mouseUp, this, [this, i](Qt::MouseButton button) {
            if (button == Qt::LeftButton)
                tabReleased(i + 1);
        });
        m_tabs.push_back(tab);
    }

    m_pin = new QToolButton(m_strip);
    m_pin->setObjectName(u"PinButton"_s);
    m_pin->setCheckable(true);
    m_pin->setAutoRaise(true);
    m_pin->setFocusPolicy(Qt::TabFocus);
    const int icon = std::max(8, m_ppi / 6 - 4);
    m_pin->setIcon(pinIcon(icon, palette().color(QPalette::ButtonText)));
    m_pin->setIconSize(QSize(icon, icon));
    m_pin->setToolTip(tr("固定属性窗口：失去焦点时不卷起"));
    m_pin->setAccessibleName(tr("固定属性窗口"));
    m_pin->setAccessibleDescription(m_pin->toolTip());
    connect(m_pin, &QToolButton::toggled, this, [this](bool pinned) {
        m_engaged = true;
        m_host.setPropertyWindowPinned(pinned);
        if (pinned && m_rolledUp)
            tabReleased(m_page);
    });
}

void PropertyWindow::buildPages()
{
    const int margin = labelMargin();
    for (int p = 1; p <= 4; ++p) {
        auto *page = new QWidget(this);
        page->setObjectName(u"Panel%1"_s.arg(p));
        page->setAccessibleName(QString(QChar(u'A' + p - 1)));
        page->setAccessibleDescription(pageGroupsText(p));
        auto *column = new QVBoxLayout(page);
        column->setContentsMargins(margin, margin / 2, margin, margin / 2);
        m_pages.push_back(page);
    }
    std::vector<QGridLayout *> grids;
    std::vector<int> nextCell; // next free half-row cell of each group: row * 2 + column
    for (const PropertyGroup &g : propertyGroups()) {
        auto *box = new QGroupBox(propertyText(g.caption), m_pages[size_t(g.page - 1)]);
        box->setObjectName(u"GroupBox%1"_s.arg(g.number));
        auto *grid = new QGridLayout(box);
        grid->setContentsMargins(margin, margin, margin, margin);
        grid->setHorizontalSpacing(margin);
        grid->setVerticalSpacing(margin / 2);
        static_cast<QVBoxLayout *>(m_pages[size_t(g.page - 1)]->layout())->addWidget(box);
        m_groups.push_back(box);
        grids.push_back(grid);
        nextCell.push_back(0);
    }

    m_slots.reserve(size_t(propertyControls().size()));
    for (const PropertyControl &c : propertyControls()) {
        const size_t g = size_t(c.group - 1);
        QGroupBox *group = m_groups[g];
        QGridLayout *grid = grids[g];
        Slot slot;
        slot.control = &c;
        slot.box = createBox(c, group);
        const bool check = c.box == BoxKind::Check || c.box == BoxKind::Weight;
        if (c.label && !check) {
            slot.label = new QLabel(propertyText(c.label), group);
            slot.label->setBuddy(slot.box);
        }
        if (isWide(c.box)) {
            // A row of its own: label and box across both columns.
            int &cell = nextCell[g];
            const int row = (cell + 1) / 2;
            if (slot.label) {
                grid->addWidget(slot.label, row, 0);
                grid->addWidget(slot.box, row, 1, 1, 3);
            } else {
                grid->addWidget(slot.box, row, 0, 1, 4);
            }
            cell = (row + 1) * 2;
        } else {
            int &cell = nextCell[g];
            const int row = cell / 2;
            const int col = cell % 2 * 2;
            if (slot.label) {
                grid->addWidget(slot.label, row, col);
                grid->addWidget(slot.box, row, col + 1);
            } else {
                grid->addWidget(slot.box, row, col, 1, 2);
            }
            ++cell;
        }
        m_slots.push_back(slot);
        if (c.label)
            nameSlot(m_slots.back());
        watch(slot.box);
        connectBox(slot.box);
    }

    // The note at the bottom of the pattern lines.
    auto *thanks = new QLabel(tr("感谢您使用本软件"), m_groups[6]);
    thanks->setObjectName(u"Label1"_s);
    QPalette pal = thanks->palette();
    pal.setColor(QPalette::WindowText, fromColorRef(ThanksColour));
    thanks->setPalette(pal);
    grids[6]->addWidget(thanks, (nextCell[6] + 1) / 2, 0, 1, 4, Qt::AlignHCenter);

    // The group boxes and the four pages share one width, the client width.
    for (QWidget *page : m_pages) {
        static_cast<QVBoxLayout *>(page->layout())->addStretch(1);
        page->layout()->activate();
        m_clientWidth = std::max(m_clientWidth, page->sizeHint().width());
    }
    int tallest = 0;
    for (QWidget *page : m_pages) {
        const int height = page->sizeHint().height();
        page->setGeometry(0, tabStripHeight(), m_clientWidth, height);
        // Laid out once already at the page's first size: without this the group boxes keep
        // that geometry until the page is shown, and page A's height is measured from it.
        page->layout()->invalidate();
        page->layout()->activate();
        tallest = std::max(tallest, height);
    }
    m_strip->setGeometry(0, 0, m_clientWidth, tabStripHeight());
    const int pin = m_ppi / 6;
    m_pin->setGeometry(m_clientWidth - pin - 2, (tabStripHeight() - pin) / 2, pin, pin);

    const QRect a = m_groups[3]->geometry(); // GroupBox4, the last of page A
    const QRect c = m_groups[7]->geometry(); // GroupBox8, the text group
    m_pageAHeight = tabStripHeight() + a.top() + a.height() + margin / 4 + 1;
    // Full height fits page C; never cut off a taller page.
    m_fullHeight = std::max(tabStripHeight() + c.top() + c.height() + margin / 2 + 1, tabStripHeight() + tallest);
}

QWidget *PropertyWindow::createBox(const PropertyControl &c, QWidget *parent)
{
    QWidget *box = nullptr;
    switch (c.box) {
    case BoxKind::Float:
    case BoxKind::Integer:
    case BoxKind::Angle: {
        auto *spin = new PropertySpinBox(parent);
        spin->setBoxKind(c.box, c.box == BoxKind::Float || c.typedLimit);
        box = spin;
        break;
    }
    case BoxKind::Check:
    case BoxKind::Weight:
        box = new QCheckBox(propertyText(c.label), parent);
        break;
    case BoxKind::FrameList:
    case BoxKind::LineList: {
        auto *list = new QComboBox(parent);
        if (c.box == BoxKind::FrameList)
            list->addItems({tr("矩形"), tr("圆角矩形"), tr("切角矩形"), tr("圆[椭圆]形")});
        else
            list->addItems({tr("第一文字"), tr("第二文字"), tr("第三文字"), tr("第四文字")});
        list->setCurrentIndex(0);
        box = list;
        break;
    }
    case BoxKind::Font: {
        auto *fonts = new QComboBox(parent);
        fonts->setEditable(true);
        fonts->setInsertPolicy(QComboBox::NoInsert);
        fonts->addItems(QFontDatabase::families());
        fonts->setEditText(u"宋体"_s);
        fonts->setMinimumContentsLength(8);
        fonts->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box = fonts;
        break;
    }
    case BoxKind::Text:
        box = new QLineEdit(parent);
        box->setAccessibleName(tr("编码内容"));
        break;
    case BoxKind::Memo:
        box = new PropertyMemo(parent);
        box->setAccessibleName(tr("文字内容"));
        break;
    }
    box->setObjectName(QString::fromLatin1(c.name));
    box->setProperty("Tag", c.tag);
    if (c.box != BoxKind::Check && c.box != BoxKind::Weight) {
        QPalette pal = box->palette();
        pal.setColor(QPalette::Text, fromColorRef(BoxTextColour));
        box->setPalette(pal);
    }
    return box;
}

void PropertyWindow::connectBox(QWidget *box)
{
    auto change = [this, box] { onNumberBoxChanged(box); };
    if (auto *spin = qobject_cast<PropertySpinBox *>(box)) {
        connect(spin, &QDoubleSpinBox::valueChanged, this, change);
        connect(spin, &QDoubleSpinBox::editingFinished, this, [this, box] { endEdit(box); });
        connect(spin, &PropertySpinBox::typedClamped, this, [this](double bound, bool maximum) {
            m_host.setStatusText(StatusPanel, (maximum ? tr("已取最大值 %1") : tr("已取最小值 %1")).arg(bound));
        });
        connect(spin, &PropertySpinBox::typingRefused, this,
                [this] { m_host.setStatusText(StatusPanel, tr("只能输入数字")); });
    } else if (auto *check = qobject_cast<QCheckBox *>(box)) {
        connect(check, &QCheckBox::toggled, this, change);
    } else if (auto *list = qobject_cast<QComboBox *>(box)) {
        if (list->isEditable())
            connect(list, &QComboBox::currentTextChanged, this, change);
        else
            connect(list, &QComboBox::currentIndexChanged, this, change);
    } else if (auto *edit = qobject_cast<QLineEdit *>(box)) {
        connect(edit, &QLineEdit::textChanged, this, change);
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(box)) {
        connect(memo, &QPlainTextEdit::textChanged, this, change);
    }
}

void PropertyWindow::watch(QWidget *box)
{
    box->installEventFilter(this);
    // Keys and focus of spin boxes and editable lists may arrive at their inner line edit.
    for (QLineEdit *inner : box->findChildren<QLineEdit *>())
        inner->installEventFilter(this);
}

bool PropertyWindow::eventFilter(QObject *watched, QEvent *event)
{
    Slot *slot = slotOf(watched) ? slotOf(watched) : slotOf(watched->parent());
    if (event->type() == QEvent::KeyPress) {
        m_engaged = true;
        if (pageKey(static_cast<QKeyEvent *>(event)))
            return true;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && slot) {
            // Enter moves on, in the memo too, as the window has always done; a typed number
            // is settled first, within the same step.
            if (auto *spin = qobject_cast<PropertySpinBox *>(slot->box))
                spin->commitTyped();
            focusNextChild();
            return true;
        }
    } else if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && reason != Qt::OtherFocusReason)
            m_engaged = true;
    } else if (event->type() == QEvent::MouseButtonPress) {
        m_engaged = true;
    } else if (event->type() == QEvent::FocusOut &&
               static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
        if (slot) {
            if (auto *spin = qobject_cast<PropertySpinBox *>(slot->box))
                spin->commitTyped();
            endEdit(slot->box);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PropertyWindow::keyPressEvent(QKeyEvent *event)
{
    m_engaged = true;
    if (!pageKey(event))
        QWidget::keyPressEvent(event);
}

void PropertyWindow::mousePressEvent(QMouseEvent *event)
{
    m_engaged = true;
    QWidget::mousePressEvent(event);
}

bool PropertyWindow::pageKey(const QKeyEvent *event)
{
    // Ctrl+Tab and Ctrl+Shift+Tab open the next and the previous page as a click on its tab
    // does, rolled up or not, and put the keyboard in its first box that can be edited.
    const int key = event->key();
    if (!(event->modifiers() & Qt::ControlModifier) || (key != Qt::Key_Tab && key != Qt::Key_Backtab))
        return false;
    const bool back = key == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
    tabReleased((m_page - 1 + (back ? 3 : 1)) % 4 + 1);
    focusFirstBox();
    return true;
}

void PropertyWindow::focusPage()
{
    m_engaged = true;
    tabReleased(m_page);
    focusFirstBox();
}

void PropertyWindow::focusFirstBox()
{
    QWidget *shown = m_pages[size_t(m_page - 1)];
    for (const Slot &s : m_slots) {
        if (shown->isAncestorOf(s.box) && s.box->isEnabled()) {
            s.box->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    // Nothing to edit without a seal: the window itself takes the keys that turn its pages.
    setFocus(Qt::TabFocusReason);
}

void PropertyWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() && m_engaged && !isPinned())
        rollUp();
}

void PropertyWindow::layoutTabs()
{
    // From six frame widths less one, each tab starting half a tab height and one pixel before
    // the end of the one before it.
    const int height = m_ppi / 6;
    int x = 6 * m_strip->frameWidth() - 1;
    for (TabButton *tab : m_tabs) {
        tab->move(x, 2);
        tab->raise();
        x += tab->width() - (height / 2 + 1);
    }
}

void PropertyWindow::setClientHeight(int height)
{
    setFixedSize(m_clientWidth, height);
}

void PropertyWindow::tabPressed(int tab)
{
    if (tab < 1 || tab > 4)
        return;
    m_page = tab;
    for (int p = 1; p <= 4; ++p)
        m_pages[size_t(p - 1)]->setVisible(p == tab);
    for (TabButton *t : m_tabs)
        if (t->tag() != tab)
            t->setButtonState(ButtonState::bsUp);
}

void PropertyWindow::tabReleased(int tab)
{
    if (tab < 1 || tab > 4)
        return;
    tabPressed(tab);
    m_tabs[size_t(tab - 1)]->setButtonState(ButtonState::bsDown);
    layoutTabs();
    m_rolledUp = false;
    setClientHeight(m_fullHeight);
    refresh();
}

void PropertyWindow::rollUp()
{
    for (TabButton *t : m_tabs)
        t->setButtonState(ButtonState::bsUp);
    layoutTabs();
    m_rolledUp = true;
    setClientHeight(tabStripHeight());
}

void PropertyWindow::setPinned(bool pinned)
{
    m_pin->setChecked(pinned);
}

bool PropertyWindow::isPinned() const
{
    return m_pin->isChecked();
}

QAbstractButton *PropertyWindow::pinButton() const
{
    return m_pin;
}

int PropertyWindow::textLine() const
{
    const auto *list = qobject_cast<const QComboBox *>(control(TextLineChoiceTag));
    return list ? std::max(0, list->currentIndex()) : 0;
}

PropertyWindow::Slot *PropertyWindow::slotOf(const QObject *box)
{
    if (!box)
        return nullptr;
    for (Slot &s : m_slots)
        if (s.box == box)
            return &s;
    return nullptr;
}

PropertyWindow::Slot *PropertyWindow::slotByTag(int tag)
{
    for (Slot &s : m_slots)
        if (s.control->tag == tag)
            return &s;
    return nullptr;
}

const PropertyWindow::Slot *PropertyWindow::slotByTag(int tag) const
{
    for (const Slot &s : m_slots)
        if (s.control->tag == tag)
            return &s;
    return nullptr;
}

QWidget *PropertyWindow::control(int tag) const
{
    const Slot *s = slotByTag(tag);
    return s ? s->box : nullptr;
}

QLabel *PropertyWindow::controlLabel(int tag) const
{
    const Slot *s = slotByTag(tag);
    return s ? s->label : nullptr;
}

QGroupBox *PropertyWindow::groupBox(int number) const
{
    return number >= 1 && number <= int(m_groups.size()) ? m_groups[size_t(number - 1)] : nullptr;
}

QWidget *PropertyWindow::Panel(int number) const
{
    return number >= 1 && number <= int(m_pages.size()) ? m_pages[size_t(number - 1)] : nullptr;
}

TabButton *PropertyWindow::QMVButton(int number) const
{
    return number >= 1 && number <= int(m_tabs.size()) ? m_tabs[size_t(number - 1)] : nullptr;
}

FlatPanel *PropertyWindow::strip() const
{
    return m_strip;
}

SealDocument *PropertyWindow::document() const
{
    return m_document;
}

Seal *PropertyWindow::currentSeal() const
{
    return m_document ? m_document->currentSeal() : nullptr;
}

} // namespace qm
