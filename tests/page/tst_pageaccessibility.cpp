// The seals on the page as a screen reader meets them: children of the page named after the
// tool that makes their kind, described in millimetres, chosen through their actions.

#include "pagetesting.h"

#include "document/sealtemplates.h"
#include "page/sealcaptions.h"
#include "seal/gbk.h"
#include "seal/sealpropertytable.h"

#include <QAccessible>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using namespace qm;

namespace {

QAccessibleInterface *pageInterface(DocumentWindow &w)
{
    return QAccessible::queryAccessibleInterface(w.pagePanel());
}

bool templateSets(const ToolInfo &tool, SealPropertyId property, int value)
{
    for (const TemplateValue &v : tool.sealTemplate.values)
        if (v.property == property && int(v.number) == value)
            return true;
    return false;
}

} // namespace

class TestPageAccessibility : public QObject
{
    Q_OBJECT

    FakeHost host;
    std::unique_ptr<DocumentWindow> w;

private slots:
    void init()
    {
        host = FakeHost();
        w.reset(newWindow(host));
    }
    void cleanup() { w.reset(); }

    // Named by what each tool's template makes: the caption without its access key, the hint
    // for a drawing tool, and the first text that is not empty.
    void namesFromTemplates_data()
    {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<QString>("name");
        QTest::newRow("round seal") << Tool::RoundOfficialSeal << u"圆公章 示例应用软件公司"_s;
        QTest::newRow("oval seal") << Tool::OvalSeal << u"椭圆印章 示例应用软件公司"_s;
        QTest::newRow("rhomb seal") << Tool::RhombSeal << u"菱形印章 示例市"_s;
        QTest::newRow("rhomb frame") << Tool::RhombFrame << u"菱形"_s;
        QTest::newRow("triangle frame") << Tool::TriangleFrame << u"三角形"_s;
        QTest::newRow("name seal") << Tool::SquareNameSealFour << u"四字名章 甲乙丙印"_s;
        QTest::newRow("rectangle frame") << Tool::RectangleFrame << u"矩形"_s;
        QTest::newRow("ellipse frame") << Tool::EllipseFrame << u"圆或椭圆"_s;
        QTest::newRow("chamfered frame") << Tool::ChamferedRectangleFrame << u"切角矩形"_s;
        QTest::newRow("oblong name seal") << Tool::OblongNameSealThree << u"三字扁名章 卯辰巳"_s;
        QTest::newRow("ring text") << Tool::RingText << u"环排文字 请输入弧排文字"_s;
        QTest::newRow("star") << Tool::FivePointedStar << u"矢量五星"_s;
        QTest::newRow("table") << Tool::Table << u"表格"_s;
    }
    void namesFromTemplates()
    {
        QFETCH(Tool, tool);
        QFETCH(QString, name);
        TemplateContext context;
        context.pixelsPerMm = w->screenPixelsPerMm();
        const std::unique_ptr<Seal> seal = newSealFromTemplate(tool, QPoint(200, 200), context);
        QVERIFY(seal);
        QCOMPARE(sealAccessibleName(*seal), name);
    }

    // Every kind, with text and without, and every frame of the square name seal is named after
    // a tool whose template makes that kind and that frame.
    void everyKindHasItsTool()
    {
        for (int kind = 0; kind < SealTypeCount; ++kind) {
            for (const char16_t *text : {u"", u"文字"}) {
                Seal seal;
                seal.setSealType(SealType(kind));
                seal.setText3(Gbk::fromUnicode(QString::fromUtf16(text)));
                const ToolInfo &tool = toolMaking(seal);
                QVERIFY2(templateSets(tool, SealPropertyId::SealType, kind), qPrintable(QString::number(kind)));
                QVERIFY(!toolCaptionText(tool).isEmpty());
                QVERIFY(!toolCaptionText(tool).contains(u'&'));
            }
        }
        for (const FrameType frame : {FrameType::ftRoundRect, FrameType::ftDiamond, FrameType::ftEllipse}) {
            Seal seal;
            seal.setNameSealFrameType(frame);
            QVERIFY(templateSets(toolMaking(seal), SealPropertyId::NameSealFrameType, int(frame)));
        }
    }

    void sealsAreChildrenOfThePage()
    {
        Seal *round = addSeal(*w, SealType::stEllipse, 42, 42, 60, 80);
        round->setText(Gbk::fromUnicode(u"示例检验有限公司"_s));
        addSeal(*w, SealType::stName22, 20, 12.5f, 150, 40)->setText1(Gbk::fromUnicode(u" 丁戊 "_s));
        QAccessibleInterface *page = pageInterface(*w);
        QVERIFY(page);
        QCOMPARE(page->text(QAccessible::Name), u"页面"_s);
        QCOMPARE(page->childCount(), 2);
        QAccessibleInterface *first = page->child(0);
        QVERIFY(first && first->isValid());
        QCOMPARE(first->text(QAccessible::Name), u"圆公章 示例检验有限公司"_s);
        QCOMPARE(first->text(QAccessible::Description),
                 u"宽 42.0 毫米，高 42.0 毫米，中心水平坐标 60.0 毫米，垂直坐标 80.0 毫米"_s);
        QCOMPARE(first->role(), QAccessible::Graphic);
        QCOMPARE(first->parent(), page);
        QCOMPARE(page->child(0), first); // the same object every time
        QAccessibleInterface *second = page->child(1);
        QCOMPARE(page->indexOfChild(second), 1);
        QCOMPARE(second->text(QAccessible::Name), u"四字名章 丁戊"_s);
        // 12.5 mm shows with its one decimal; 150 mm from the left.
        QCOMPARE(second->text(QAccessible::Description),
                 u"宽 20.0 毫米，高 12.5 毫米，中心水平坐标 150.0 毫米，垂直坐标 40.0 毫米"_s);
        // The seal's box on the screen: 42 mm is Round(158.74) = 159 pixels at 96 pixels per inch.
        QCOMPARE(first->rect().size(), QSize(159, 159));
        QCOMPARE(page->childAt(first->rect().center().x(), first->rect().center().y()), first);

        // A deleted seal's object goes with it.
        const QAccessible::Id id = QAccessible::uniqueId(second);
        w->document().selectSeal(w->sealList().back().get());
        w->deleteSelection();
        QCOMPARE(page->childCount(), 1);
        QCOMPARE(QAccessible::accessibleInterface(id), nullptr);
        QCOMPARE(page->child(1), nullptr);
    }

    // The focus action chooses a seal as a click does, the toggle action as a Ctrl+click; neither
    // is an edit. A locked page offers neither.
    void choosingThroughActions()
    {
        Seal *a = addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        Seal *b = addSeal(*w, SealType::stName22, 20, 20, 80, 30);
        QAccessibleInterface *page = pageInterface(*w);
        QAccessibleActionInterface *actionsA = page->child(0)->actionInterface();
        QAccessibleActionInterface *actionsB = page->child(1)->actionInterface();
        QVERIFY(actionsA && actionsB);
        QCOMPARE(actionsB->actionNames(), QStringList({QAccessibleActionInterface::setFocusAction(),
                                                       QAccessibleActionInterface::toggleAction()}));
        actionsB->doAction(QAccessibleActionInterface::setFocusAction());
        QCOMPARE(w->currentSeal(), b);
        QCOMPARE(host.toggles, b);
        QVERIFY(page->child(1)->state().selected);
        QVERIFY(!page->child(0)->state().selected);
        actionsA->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(w->selection(), SealSelection({b, a}));
        QVERIFY(w->selectionFrame());
        actionsB->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(w->currentSeal(), a);
        QVERIFY(!w->isModified());
        QCOMPARE(w->document().undoStack().count(), 0);

        w->togglePageLock();
        QVERIFY(actionsB->actionNames().isEmpty());
        actionsB->doAction(QAccessibleActionInterface::setFocusAction());
        QCOMPARE(w->currentSeal(), a);
        QVERIFY(page->child(1)->state().disabled);
    }

    // The current seal has the focus while the page's window holds the keyboard.
    void currentSealHasTheFocus()
    {
        Seal *a = addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        addSeal(*w, SealType::stName22, 20, 20, 80, 30);
        QLineEdit elsewhere;
        elsewhere.show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->setFocus();
        w->document().selectSeal(a);
        QAccessibleInterface *page = pageInterface(*w);
        QVERIFY(page->child(0)->state().focused);
        QVERIFY(!page->child(1)->state().focused);
        QCOMPARE(page->focusChild(), page->child(0));
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        elsewhere.setFocus();
        QVERIFY(!page->child(0)->state().focused);
        QCOMPARE(page->focusChild(), nullptr);
    }
};

QTEST_MAIN(TestPageAccessibility)
#include "tst_pageaccessibility.moc"
