// The owner-drawn controls: the tab button's states, widths and looks, the flat panel's band,
// the status bar's panels, the image's enter and leave, and their accessible names.

#include "controls/flatpanel.h"
#include "controls/hints.h"
#include "controls/hoverimage.h"
#include "controls/statusbar.h"
#include "controls/tabbutton.h"

#include <QAccessible>
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using qm::ButtonState;

Q_DECLARE_METATYPE(qm::ButtonState)

namespace {

// Colours far apart, so that every role can be told from the others in a pixel.
QPalette testPalette()
{
    QPalette p;
    p.setColor(QPalette::Button, QColor(200, 200, 200));
    p.setColor(QPalette::Highlight, QColor(0, 0, 160));
    p.setColor(QPalette::Midlight, QColor(230, 230, 120));
    p.setColor(QPalette::Mid, QColor(120, 60, 60));
    p.setColor(QPalette::Link, QColor(0, 140, 0));
    return p;
}

void enter(QWidget *w)
{
    QEnterEvent e(QPointF(3, 3), w->mapTo(w->window(), QPointF(3, 3)), w->mapToGlobal(QPointF(3, 3)));
    QApplication::sendEvent(w, &e);
}

void leave(QWidget *w)
{
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
}

QString accessibleName(QWidget *w)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

} // namespace

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void pressTogglesAndWidens_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("downWidth");
        QTest::newRow("60 x 18") << QSize(60, 18) << 60 + 18 / 2;
        QTest::newRow("70 x 22") << QSize(70, 22) << 70 + 22 / 2;
        QTest::newRow("odd height 60 x 19") << QSize(60, 19) << 60 + 19 / 2;
    }
    void pressTogglesAndWidens()
    {
        QFETCH(QSize, size);
        QFETCH(int, downWidth);
        QWidget parent;
        qm::TabButton button(&parent);
        button.resize(size);
        QSignalSpy clicks(&button, &qm::TabButton::clicked);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(button.buttonState(), ButtonState::bsDown);
        QCOMPARE(button.size(), QSize(downWidth, size.height()));
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(button.buttonState(), ButtonState::bsUp);
        QCOMPARE(button.size(), size);
        QCOMPARE(clicks.count(), 2);

        // Other buttons report their presses but leave the state alone.
        QSignalSpy downs(&button, &qm::TabButton::mouseDown);
        QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(button.buttonState(), ButtonState::bsUp);
        QCOMPARE(downs.count(), 1);
        QCOMPARE(clicks.count(), 2);
        // A press released outside toggles but is no click.
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(size.width() + 40, 5));
        QCOMPARE(button.buttonState(), ButtonState::bsDown);
        QCOMPARE(clicks.count(), 2);
    }

    void stateWidths_data()
    {
        QTest::addColumn<ButtonState>("from");
        QTest::addColumn<ButtonState>("to");
        QTest::addColumn<int>("width"); // of a 60 x 18 tab, set up in `from` at width 60
        QTest::newRow("up to active") << ButtonState::bsUp << ButtonState::bsActive << 60;
        QTest::newRow("active to down") << ButtonState::bsActive << ButtonState::bsDown << 60 + 9;
        QTest::newRow("down to active") << ButtonState::bsDown << ButtonState::bsActive << 60 - 9;
        QTest::newRow("down to down") << ButtonState::bsDown << ButtonState::bsDown << 60;
        QTest::newRow("up to up") << ButtonState::bsUp << ButtonState::bsUp << 60;
    }
    void stateWidths()
    {
        QFETCH(ButtonState, from);
        QFETCH(ButtonState, to);
        QFETCH(int, width);
        qm::TabButton button;
        button.setButtonState(from);
        button.resize(60, 18);
        button.setButtonState(to);
        QCOMPARE(button.buttonState(), to);
        QCOMPARE(button.width(), width);
    }

    void hover()
    {
        QWidget parent;
        qm::TabButton first(&parent), second(&parent);
        second.resize(60, 18);
        enter(&first);
        QCOMPARE(first.buttonState(), ButtonState::bsActive);
        QCOMPARE(parent.children().constLast(), &first); // raised over its overlapping neighbour
        QCOMPARE(first.width(), 70);
        leave(&first);
        QCOMPARE(first.buttonState(), ButtonState::bsUp);

        second.setButtonState(ButtonState::bsDown);
        enter(&second);
        QCOMPARE(second.buttonState(), ButtonState::bsDown);
        QCOMPARE(parent.children().constLast(), &second);
        leave(&second);
        QCOMPARE(second.buttonState(), ButtonState::bsDown);
        QCOMPARE(second.width(), 69);

        // Pressing a hot tab opens it.
        enter(&first);
        QTest::mouseClick(&first, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(first.buttonState(), ButtonState::bsDown);
        QCOMPARE(first.width(), 70 + 11);
    }

    void buttonLooks()
    {
        qm::TabButton button;
        button.setPalette(testPalette());
        button.setCaption(u"A"_s);
        button.resize(60, 18);
        const int h = 18;
        // Inside the tab, right of the caption and arrow, left of the slanting edge x = W − H + y.
        auto inside = [&](const QImage &img) { return img.pixelColor(img.width() - 8, h - 3); };

        QImage up = button.grab().toImage();
        QCOMPARE(inside(up), QColor(200, 200, 200));

        button.setButtonState(ButtonState::bsActive);
        QImage active = button.grab().toImage();
        QCOMPARE(inside(active), QColor(230, 230, 120));
        QCOMPARE(active.pixelColor(2, h / 2), QColor(Qt::white)); // the lit left edge
        QCOMPARE(active.pixelColor(20, 2), QColor(Qt::white));    // and top edge

        button.setButtonState(ButtonState::bsDown);
        QImage down = button.grab().toImage();
        QCOMPARE(down.width(), 69);
        QCOMPARE(inside(down), QColor(0, 0, 160));
        QCOMPARE(down.pixelColor(2, h / 2), QColor(Qt::black)); // the dark left edge
        // The white arrow behind the bold caption: tip at tw + 2c + a on the middle row.
        QFont bold = button.font();
        bold.setBold(true);
        const QFontMetrics fm(bold);
        const int tw = fm.horizontalAdvance(u"A"_s);
        const int c = tw / 1 - 2;
        const int a = fm.height() / 2 - 2;
        QVERIFY(a >= 2);
        QCOMPARE(down.pixelColor(tw + 2 * c + 1, h / 2), QColor(Qt::white));
        QCOMPARE(down.pixelColor(tw + 2 * c + a + 3, h / 2), QColor(0, 0, 160));
    }

    void accessibleNames_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << u"徽标集"_s << u"徽标集"_s;
        QTest::newRow("access key") << u"印章库(&Y)"_s << u"印章库(Y)"_s;
        QTest::newRow("literal ampersand") << u"A&&B"_s << u"A&B"_s;
        QTest::newRow("trailing") << u"X&"_s << u"X"_s;
    }
    void accessibleNames()
    {
        QFETCH(QString, caption);
        QFETCH(QString, name);
        qm::TabButton button;
        QCOMPARE(accessibleName(&button), u"QMVBtn"_s);
        button.setCaption(caption);
        QCOMPARE(accessibleName(&button), name);
    }

    // Assistive tools see tabs on a flat panel as page tabs in a tab list; the tab's one action
    // is the click, which opens it; a panel without tabs stays a plain panel.
    void tabsAsPageTabs()
    {
        qm::FlatPanel strip;
        qm::FlatPanel plain;
        qm::TabButton tab(&strip);
        tab.setCaption(u"B"_s);
        tab.setAccessibleDescription(u"B：内边框、图符、纹线"_s);
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(&tab);
        QVERIFY(a);
        QCOMPARE(a->role(), QAccessible::PageTab);
        QCOMPARE(a->text(QAccessible::Description), u"B：内边框、图符、纹线"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(&strip)->role(), QAccessible::PageTabList);
        QCOMPARE(QAccessible::queryAccessibleInterface(&plain)->role(), QAccessible::Client);
        QVERIFY(!a->state().selected);

        QSignalSpy downs(&tab, &qm::TabButton::mouseDown);
        QSignalSpy ups(&tab, &qm::TabButton::mouseUp);
        QSignalSpy clicks(&tab, &qm::TabButton::clicked);
        QVERIFY(a->actionInterface());
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(tab.buttonState(), ButtonState::bsDown);
        QVERIFY(a->state().selected);
        QCOMPARE(downs.count(), 1);
        QCOMPARE(ups.count(), 1);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(downs.front().at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    }

    void hints_data()
    {
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("name");
        QTest::newRow("two lines") << u"访问作者主页\r\n查看产品信息|访问作者主页"_s << u"访问作者主页\n查看产品信息"_s
                                   << u"访问作者主页"_s << u"访问作者主页"_s;
        QTest::newRow("short|long") << u"切换工具栏|切换到另一组工具"_s << u"切换工具栏"_s << u"切换到另一组工具"_s
                                    << u"切换工具栏"_s;
        QTest::newRow("no bar") << u"设置颜色"_s << u"设置颜色"_s << u"设置颜色"_s << u"设置颜色"_s;
    }
    void hints()
    {
        QFETCH(QString, hint);
        QFETCH(QString, tip);
        QFETCH(QString, status);
        QFETCH(QString, name);
        qm::HoverImage image;
        qm::applyHint(&image, hint);
        QCOMPARE(image.toolTip(), tip);
        QCOMPARE(image.statusTip(), status);
        QCOMPARE(accessibleName(&image), name);
        // A name given before stays.
        QLabel named;
        named.setAccessibleName(u"已命名"_s);
        qm::applyHint(&named, hint);
        QCOMPARE(named.accessibleName(), u"已命名"_s);
    }

    void flatPanelBand_data()
    {
        QTest::addColumn<int>("frame");
        QTest::addColumn<bool>("photoShop");
        QTest::newRow("frame 1") << 1 << true;
        QTest::newRow("frame 3") << 3 << true;
        QTest::newRow("default style") << 1 << false;
    }
    void flatPanelBand()
    {
        QFETCH(int, frame);
        QFETCH(bool, photoShop);
        const QColor ground(200, 200, 200), bandColour(120, 60, 60), pen(Qt::black);
        qm::FlatPanel panel;
        panel.setPalette(testPalette());
        panel.setFrameWidth(frame);
        panel.setPenColor(pen);
        QCOMPARE(panel.bandColour(), bandColour); // the inactive-border colour until set
        panel.setPanelStyle(photoShop ? qm::PanelStyle::psPhotoShop : qm::PanelStyle::psDefault);
        panel.resize(100, 22);
        const QImage img = panel.grab().toImage();
        const int w = 100, h = 22, left = 6 * frame, top = frame, bottom = h - frame - 1;
        auto at = [&](int x, int y) { return img.pixelColor(x, y); };
        if (!photoShop) {
            for (const QPoint p : {QPoint(0, 5), QPoint(left, top), QPoint(50, 10)})
                QCOMPARE(at(p.x(), p.y()), ground);
            return;
        }
        QCOMPARE(at(0, 0), pen); // the line down the left edge
        QCOMPARE(at(0, h - 1), pen);
        QCOMPARE(at(left - 1, 10), ground);
        QCOMPARE(at(left, top), pen); // band outline, corners of [6F, W) × [F, H − F)
        QCOMPARE(at(w - 1, bottom), pen);
        QCOMPARE(at(left + 1, top + 1), bandColour);
        QCOMPARE(at(w - 2, bottom - 1), bandColour);
        QCOMPARE(at(50, top - 1), ground);
        QCOMPARE(at(50, bottom + 1), ground);
    }

    void statusBarPanels()
    {
        QWidget window;
        qm::StatusBar bar(&window);
        bar.resize(600, 24);
        QCOMPARE(bar.addPanel(115, u" 水平坐标："_s), 0);
        QCOMPARE(bar.addPanel(110, u"垂直坐标："_s), 1);
        QCOMPARE(bar.addPanel(105, u"文件状态："_s), 2);
        // Panels follow each other from the left with a 2-pixel gap.
        QCOMPARE(bar.panelRect(0).x(), 0);
        QCOMPARE(bar.panelRect(1).x(), 115 + 2);
        QCOMPARE(bar.panelRect(2).x(), 115 + 2 + 110 + 2);
        bar.setPanelWidth(0, 50);
        QCOMPARE(bar.panelRect(2).x(), 50 + 2 + 110 + 2);
        QCOMPARE(bar.panelRect(2).width(), 105);

        bar.setPanelText(2, u"文件状态：已修改"_s);
        QCOMPARE(bar.panelText(2), u"文件状态：已修改"_s);
        auto *label = qobject_cast<QLabel *>(bar.childAt(bar.panelRect(2).center()));
        QVERIFY(label);
        QCOMPARE(accessibleName(label), u"文件状态：已修改"_s);
        bar.setPanelText(7, u"ignored"_s);
        QCOMPARE(bar.panelText(7), QString());

        // A control given to the bar stays above the panels, also above ones added later.
        QLabel progress(u"正在载入："_s, &bar);
        progress.setGeometry(100, 3, 200, 18);
        progress.show();
        bar.addPanel(60, u"CAPS: OFF"_s);
        QCOMPARE(bar.childAt(QPoint(150, 10)), &progress);

        // Status tips show in the hint panel while they last.
        bar.setHintPanel(1);
        bar.showMessage(u"新建一个印章文档"_s);
        QCOMPARE(qobject_cast<QLabel *>(bar.childAt(bar.panelRect(1).topLeft() + QPoint(2, 2)))->text(),
                 u"新建一个印章文档"_s);
        bar.clearMessage();
        QCOMPARE(qobject_cast<QLabel *>(bar.childAt(bar.panelRect(1).topLeft() + QPoint(2, 2)))->text(),
                 u"垂直坐标："_s);
        // The hint panel's own text is shown at once when no tip is showing, and after the tip
        // when one is.
        auto *hintLabel = qobject_cast<QLabel *>(bar.childAt(bar.panelRect(1).topLeft() + QPoint(2, 2)));
        bar.setPanelText(1, u"垂直坐标：12.5mm"_s);
        QCOMPARE(hintLabel->text(), u"垂直坐标：12.5mm"_s);
        bar.showMessage(u"打开一个印章文档"_s);
        bar.setPanelText(1, u"垂直坐标：13mm"_s);
        QCOMPARE(hintLabel->text(), u"打开一个印章文档"_s);
        bar.clearMessage();
        QCOMPARE(hintLabel->text(), u"垂直坐标：13mm"_s);
    }

    void imageEnterAndLeave()
    {
        qm::HoverImage image;
        QPixmap picture(40, 30);
        picture.fill(Qt::red);
        image.setAutoSize(true);
        image.setPicture(picture);
        QCOMPARE(image.size(), QSize(40, 30));
        QSignalSpy entered(&image, &qm::HoverImage::mouseEnter);
        QSignalSpy left(&image, &qm::HoverImage::mouseLeave);
        QSignalSpy clicked(&image, &qm::HoverImage::clicked);
        enter(&image);
        QCOMPARE(entered.count(), 1);
        QCOMPARE(left.count(), 0);
        leave(&image);
        QCOMPARE(left.count(), 1);
        QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicked.count(), 1);
        QTest::mouseClick(&image, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(clicked.count(), 1);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
