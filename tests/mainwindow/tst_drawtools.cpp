// The drawing tools palette: which command each button carries in either set, buttons that are
// down exactly while their command is checked, the layout from the screen's resolution, the
// banner and the colour square, and the palette the main window makes and shows.

#include "mainwindowtesting.h"

#include "controls/hoverimage.h"
#include "mainwindow/drawactions.h"
#include "mainwindow/toolpalette.h"

#include <QAction>
#include <QActionGroup>
#include <QEnterEvent>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QSignalSpy>
#include <QToolBar>
#include <QToolButton>

#include <map>

using namespace Qt::StringLiterals;
using namespace qm;

namespace {

// The drawing set, buttons 1 … 24.
const QStringList DrawingSet = {
    u"actDrawHorzLine"_s, u"actDrawVertLine"_s,    u"actDrawAnyLine"_s, u"actDrawArc"_s,       u"actDrawEllipseFrame"_s,
    u"actDrawRect"_s,     u"actDrawRoundRect"_s,   u"actDrawDiamond"_s, u"actDrawTriangle"_s,  u"actDrawRhombFrame"_s,
    u"actDrawHorzText"_s, u"actDrawEllipseText"_s, u"actDrawAnyText"_s, u"actDrawFiveStar"_s,  u"actDrawCell"_s,
    u"actDrawImage"_s,    u"actScrollPage"_s,      u"actPageZoomIn"_s,  u"actPageZoomOut"_s,   u"actPageZoom"_s,
    u"actBringToFront"_s, u"actSendToBack"_s,      u"actSameCenter"_s,  u"actChangePicture"_s,
};
// The seal set: the official seals, then the name seals.
const QStringList SealSet = {
    u"actDrawGZh"_s,   u"actDrawYCW"_s,   u"actDrawYZLA"_s,  u"actDrawYZLB"_s,  u"actDrawEllipse"_s, u"actDrawFPZYZ"_s,
    u"actDrawTYZLA"_s, u"actDrawTYZLB"_s, u"actDrawFCW"_s,   u"actDrawZZS"_s,   u"actDrawFZLA"_s,    u"actDrawFZLB"_s,
    u"actDrawRhomb"_s, u"actDrawSJ"_s,    u"actDraw22MZ"_s,  u"actDraw3ZFZ"_s,  u"actDraw3ZFZA"_s,   u"actDraw2ZFZ"_s,
    u"actDraw3ZFZB"_s, u"actDraw3ZFZC"_s, u"actDraw2ZFZA"_s, u"actDraw3ZBMZ"_s, u"actDraw2ZBMZ"_s,   u"actDraw4ZBMZ"_s,
};

// The palette on its own: the placing commands, the five plain commands and the home page
// command, as the main window holds them.
struct Palette {
    QObject owner;
    DrawActions actions{&owner};
    std::map<QString, QAction *> named;
    bool withNamed = true;
    int colourClicks = 0;
    std::unique_ptr<ToolPalette> palette;

    explicit Palette(int ppi = 96, bool withNamedActions = true) : withNamed(withNamedActions)
    {
        const std::pair<QString, QString> plain[] = {
            {u"actPageZoom"_s, u"正常页面视图"_s},        {u"actBringToFront"_s, u"浮起到表层"_s},
            {u"actSendToBack"_s, u"压入到底层"_s},        {u"actSameCenter"_s, u"对准中心"_s},
            {u"actChangePicture"_s, u"从文件更换图象"_s}, {u"actGoHomePage"_s, u"去作者的主页看看"_s},
        };
        for (const auto &[name, tip] : plain) {
            auto *a = new QAction(&owner);
            a->setObjectName(name);
            a->setToolTip(tip);
            named[name] = a;
        }
        DrawToolsOptions options;
        options.drawActions = &actions;
        options.namedAction = [this](const QString &name) -> QAction * {
            auto it = named.find(name);
            return withNamed && it != named.end() ? it->second : nullptr;
        };
        options.setColor = [this] { ++colourClicks; };
        options.pixelsPerInch = ppi;
        palette = std::make_unique<ToolPalette>(options);
    }

    QStringList bound() const
    {
        QStringList names;
        for (int n = 1; n <= ToolPalette::ButtonCount; ++n) {
            const QAction *a = palette->boundAction(n);
            names << (a ? a->objectName() : QString());
        }
        return names;
    }
    // The buttons that are down, by number.
    QList<int> down() const
    {
        QList<int> out;
        for (int n = 1; n <= ToolPalette::ButtonCount; ++n)
            if (palette->toolButton(n)->isChecked())
                out << n;
        return out;
    }
};

} // namespace

class TestDrawTools : public QObject
{
    Q_OBJECT

private slots:
    void buttonsCarryTheirSet_data()
    {
        QTest::addColumn<bool>("seals");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("checkStyled"); // buttons 1 … n have the check style
        QTest::newRow("drawing") << false << DrawingSet << 19;
        QTest::newRow("seals") << true << SealSet << 24;
    }
    void buttonsCarryTheirSet()
    {
        QFETCH(bool, seals);
        QFETCH(QStringList, names);
        QFETCH(int, checkStyled);
        Palette p;
        p.palette->setSealMode(seals);
        QCOMPARE(p.palette->sealMode(), seals);
        QCOMPARE(p.palette->modeButton()->isChecked(), seals);
        QCOMPARE(p.bound(), names);
        QCOMPARE(p.palette->hotImages(), !seals);
        for (int n = 1; n <= ToolPalette::ButtonCount; ++n) {
            QToolButton *b = p.palette->toolButton(n);
            QCOMPARE(b->isCheckable(), n <= checkStyled);
            // Named for screen readers and tests by the command's short hint.
            QCOMPARE(b->accessibleName(), b->defaultAction()->toolTip());
            QVERIFY(!b->accessibleName().isEmpty());
            // A button answers to its own command only.
            QCOMPARE(b->actions().size(), 1);
        }
    }

    // Clicking ToolButton25 twice gives the buttons their drawing commands again with their
    // check marks, and a click on a button then runs only the command it shows.
    void modeRoundTrip()
    {
        Palette p;
        QTest::mouseClick(p.palette->toolButton(5), Qt::LeftButton);
        QVERIFY(p.actions.action(Tool::EllipseFrame)->isChecked());
        QCOMPARE(p.down(), QList<int>{5});

        QTest::mouseClick(p.palette->modeButton(), Qt::LeftButton);
        QVERIFY(p.palette->sealMode());
        QCOMPARE(p.bound(), SealSet);
        QCOMPARE(p.down(), QList<int>{});
        QVERIFY(p.actions.action(Tool::EllipseFrame)->isChecked());

        QTest::mouseClick(p.palette->modeButton(), Qt::LeftButton);
        QVERIFY(!p.palette->sealMode());
        QCOMPARE(p.bound(), DrawingSet);
        QCOMPARE(p.down(), QList<int>{5});
        QVERIFY(p.palette->hotImages());

        QSignalSpy sealTriggered(p.actions.action(Tool::RoundOfficialSeal), &QAction::triggered);
        QSignalSpy lineTriggered(p.actions.action(Tool::HorizontalLine), &QAction::triggered);
        QSignalSpy buttonTriggered(p.palette->toolButton(1), &QToolButton::triggered);
        QTest::mouseClick(p.palette->toolButton(1), Qt::LeftButton);
        QCOMPARE(lineTriggered.size(), 1);
        QCOMPARE(sealTriggered.size(), 0);
        // The seal command it carried before is no longer heard by the button.
        p.actions.action(Tool::RoundOfficialSeal)->trigger();
        QCOMPARE(buttonTriggered.size(), 1);
        QCOMPARE(p.down(), QList<int>{});
    }

    // Whichever command is checked, in either set, exactly its button is down, also when the
    // command was checked while the other set was shown.
    void downExactlyWhenChecked_data()
    {
        QTest::addColumn<bool>("seals");
        QTest::newRow("drawing") << false;
        QTest::newRow("seals") << true;
    }
    void downExactlyWhenChecked()
    {
        QFETCH(bool, seals);
        Palette p;
        p.palette->setSealMode(seals);
        for (int n = 1; n <= ToolPalette::ButtonCount; ++n) {
            p.actions.uncheck();
            QAction *a = p.palette->boundAction(n);
            a->trigger();
            const QList<int> expected = a->isCheckable() ? QList<int>{n} : QList<int>{};
            QCOMPARE(p.down(), expected);
            // Through the other set and back.
            p.palette->setSealMode(!seals);
            QCOMPARE(p.down(), QList<int>{});
            p.palette->setSealMode(seals);
            QCOMPARE(p.down(), expected);
        }
        // Checking a command of the hidden set releases the shown button.
        p.palette->boundAction(3)->trigger();
        QCOMPARE(p.down(), QList<int>{3});
        p.actions.action(seals ? Tool::AnyAngleLine : Tool::RoundDateSealA)->trigger();
        QCOMPARE(p.down(), QList<int>{});
        p.palette->setSealMode(!seals);
        QCOMPARE(p.down(), QList<int>{3});
        // Unchecking from elsewhere (the page ends a placing mode) releases it.
        p.actions.uncheck();
        QCOMPARE(p.down(), QList<int>{});
    }

    // Commands made after the palette are bound once they exist; until then their buttons are
    // disabled but named.
    void missingCommandsBindLater()
    {
        Palette p(96, false);
        for (int n = 20; n <= 24; ++n) {
            QToolButton *b = p.palette->toolButton(n);
            QVERIFY(!p.palette->boundAction(n));
            QVERIFY(!b->isEnabled());
            QVERIFY(!b->accessibleName().isEmpty());
        }
        QCOMPARE(p.palette->toolButton(24)->accessibleName(), u"从文件更换图象"_s);
        p.withNamed = true;
        p.palette->bindButtons();
        QCOMPARE(p.bound(), DrawingSet);
        QVERIFY(p.palette->toolButton(24)->isEnabled());
        QVERIFY(!p.palette->toolButton(24)->isCheckable());
        QSignalSpy spy(p.named[u"actSameCenter"_s], &QAction::triggered);
        QTest::mouseClick(p.palette->toolButton(23), Qt::LeftButton);
        QCOMPARE(spy.size(), 1);
    }

    // Worked from P: the margin m = P div 32, the banner 56 × 40, the colour picture 20 × 20,
    // tool bars of 2, 3, 3 and 4 rows of 26 pixels, the switch bar 24 high.
    void layoutFromResolution_data()
    {
        QTest::addColumn<int>("ppi");
        QTest::addColumn<int>("margin");
        QTest::newRow("72") << 72 << 2;
        QTest::newRow("96") << 96 << 3;
        QTest::newRow("120") << 120 << 3;
        QTest::newRow("144") << 144 << 4;
        QTest::newRow("192") << 192 << 6;
    }
    void layoutFromResolution()
    {
        QFETCH(int, ppi);
        QFETCH(int, margin);
        Palette p(ppi);
        ToolPalette &t = *p.palette;
        const int bannerHeight = 40;
        const int panelHeight = 52 + 78 + 78 + 104 + 20 + 24 + 1; // down to the switch bar, plus 1
        QCOMPARE(t.pixelsPerInch(), ppi);
        QCOMPARE(t.banner()->geometry(), QRect(0, 0, 52 + 2 * margin, bannerHeight));
        QCOMPARE(t.toolPanel()->geometry(), QRect(margin, bannerHeight + margin, 52, panelHeight));
        QCOMPARE(t.size(), QSize(52 + 2 * margin, bannerHeight + margin + panelHeight));
        QCOMPARE(t.toolBar(6)->y() + t.toolBar(6)->height() + 1, panelHeight);
        QCOMPARE(t.colourPanel()->geometry(), QRect(0, 0, 52, 20));
        QCOMPARE(t.colourPicture()->geometry(), QRect(0, 0, 20, 20));
        QCOMPARE(t.colourSquare()->geometry(), QRect(20 + 2 * margin, 0, 52 - 20 - 2 * margin, 20));
        const std::pair<int, QPoint> buttons[] = {
            {1, {0, 0}},    {2, {26, 0}},    {4, {26, 26}},  {5, {0, 52}},    {10, {26, 104}},
            {11, {0, 130}}, {16, {26, 182}}, {17, {0, 208}}, {24, {26, 286}},
        };
        for (const auto &[n, at] : buttons) {
            QToolButton *b = t.toolButton(n);
            QCOMPARE(b->size(), QSize(26, 26));
            QCOMPARE(b->mapTo(t.toolPanel(), QPoint(0, 0)), at);
        }
        QCOMPARE(t.modeButton()->geometry().size(), QSize(52, 24));
        QCOMPARE(t.modeButton()->mapTo(t.toolPanel(), QPoint(0, 0)), QPoint(0, 332));
    }

    void banner()
    {
        Palette p;
        HoverImage *banner = p.palette->banner();
        QCOMPARE(banner->toolTip(), u"访问作者主页\n查看产品信息"_s);
        QCOMPARE(banner->statusTip(), u"访问作者主页"_s);
        QCOMPARE(banner->accessibleName(), u"访问作者主页"_s);
        QCOMPARE(banner->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(p.palette->modeButton()->toolTip(), u"切换工具栏"_s);
        const QImage normal = banner->pixmap().toImage();
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(banner, &enter);
        const QImage hot = banner->pixmap().toImage();
        QVERIFY(hot != normal);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(banner, &leave);
        QCOMPARE(banner->pixmap().toImage(), normal);

        QSignalSpy home(p.named[u"actGoHomePage"_s], &QAction::triggered);
        QTest::mouseClick(banner, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(home.size(), 1);
        // Without the command the click does nothing.
        Palette bare(96, false);
        QTest::mouseClick(bare.palette->banner(), Qt::LeftButton, {}, QPoint(10, 10));
    }

    void colourSquare()
    {
        Palette p;
        QWidget *shape = p.palette->colourSquare();
        QCOMPARE(shape->toolTip(), u"设置颜色"_s);
        QCOMPARE(shape->accessibleName(), u"设置颜色"_s);
        QCOMPARE(p.palette->swatchColor(), clRed);
        const QPoint middle = shape->rect().center();
        QCOMPARE(shape->grab().toImage().pixelColor(middle), QColor(255, 0, 0));
        QTest::mouseClick(shape, Qt::LeftButton, {}, middle);
        QCOMPARE(p.colourClicks, 1);
        QTest::mouseClick(shape, Qt::RightButton, {}, middle);
        QCOMPARE(p.colourClicks, 1);
        // Blue 0xC0, green 0x80, red 0x10.
        p.palette->setSwatchColor(0xC08010);
        QCOMPARE(shape->grab().toImage().pixelColor(middle), QColor(0x10, 0x80, 0xC0));
    }

    // Every placing and tool command has a picture of its own.
    void toolIcons()
    {
        QStringList names = DrawingSet + SealSet;
        names << u"actDrawAPicture"_s;
        QCOMPARE(names.size(), 49);
        for (const QString &name : names) {
            const QString path = u":/quillmark/tools/"_s + name + u".svg"_s;
            QVERIFY2(QFile::exists(path), qPrintable(path));
            const QImage image = QIcon(path).pixmap(24, 24).toImage();
            QVERIFY2(!image.isNull(), qPrintable(path));
        }
    }

    // The main window makes the palette at start, with the placing commands of its own list,
    // and shows it at the first show below the tool bar's left end.
    void mainWindowPalette()
    {
        Start s;
        s.options.showDrawTools = true;
        MainWindow &w = s.create();
        ToolPalette *tools = w.drawTools();
        QVERIFY(tools);
        QVERIFY(!tools->isVisible());
        QCOMPARE(tools->boundAction(1), w.drawActions().action(Tool::HorizontalLine));
        QCOMPARE(tools->boundAction(17), w.drawActions().action(Tool::Hand));
        w.show();
        QVERIFY(tools->isVisible());
        const QPoint belowToolBar = w.toolBar()->mapToGlobal(QPoint(0, w.toolBar()->height()));
        // Whether a window's position includes its frame is the platform's choice.
        QVERIFY(tools->frameGeometry().topLeft() == belowToolBar || tools->geometry().topLeft() == belowToolBar);
        QVERIFY(tools->windowFlags().testFlag(Qt::Tool));
        QVERIFY(!tools->windowFlags().testFlag(Qt::WindowCloseButtonHint));

        // A placing command without a document springs back: its button is released.
        QTest::mouseClick(tools->toolButton(5), Qt::LeftButton);
        QVERIFY(!w.drawActions().action(Tool::EllipseFrame)->isChecked());
        QVERIFY(!tools->toolButton(5)->isChecked());
        // With one it stays down until the page ends the mode.
        w.fileNew();
        QTest::mouseClick(tools->toolButton(5), Qt::LeftButton);
        QVERIFY(tools->toolButton(5)->isChecked());
        w.uncheckDrawAction();
        QVERIFY(!tools->toolButton(5)->isChecked());
        // Locking the page puts a waiting placing command down as well.
        QTest::mouseClick(tools->toolButton(5), Qt::LeftButton);
        w.action(u"actLockPage"_s)->trigger();
        QVERIFY(!tools->toolButton(5)->isChecked());
        QVERIFY(!w.checkedDrawAction());
        w.action(u"actLockPage"_s)->trigger();

        // The colour the templates use is the square's colour.
        QCOMPARE(tools->swatchColor(), w.swatchColor());
        w.setSwatchColor(0x00FF00);
        QCOMPARE(tools->swatchColor(), Colour(0x00FF00));

        // A click on the square sets the colour of the selection, and the square shows it.
        DocumentWindow *child = w.activeDocument();
        addSeal(*child);
        SealDocument &doc = child->document();
        doc.setSelection({doc.seals().at(0).get()});
        s.dialogs.colours = {QColor(0x10, 0x80, 0xC0)};
        QTest::mouseClick(tools->colourSquare(), Qt::LeftButton, {}, tools->colourSquare()->rect().center());
        QCOMPARE(doc.seals().at(0)->PenColor(), Colour(0xC08010));
        QCOMPARE(tools->swatchColor(), Colour(0xC08010));
    }

    void hiddenUnlessAsked()
    {
        Start s;
        MainWindow &w = s.show();
        QVERIFY(w.drawTools());
        QVERIFY(!w.drawTools()->isVisible());
    }
};

QTEST_MAIN(TestDrawTools)
#include "tst_drawtools.moc"
