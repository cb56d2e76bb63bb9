// The property window on a document: what it shows and enables for each kind of element, what
// its edits write, that showing writes nothing, and that it follows the document.

#include "controls/flatpanel.h"
#include "controls/tabbutton.h"
#include "document/documentfile.h"
#include "document/documentjson.h"
#include "document/documenttesting.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"
#include "document/sealtemplates.h"
#include "properties/propertyboxes.h"
#include "properties/propertywindow.h"
#include "seal/gbk.h"
#include "seal/seal.h"
#include "seal/sealpropertytable.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <QUndoStack>

#include <functional>

using namespace qm;
using namespace Qt::StringLiterals;

namespace {

class FakeHost : public PropertyHost
{
public:
    int placed = 0;
    QMap<int, QString> status;
    QStringList refusals;
    bool pinned = false;
    QList<bool> pinWrites;

    void placeHandles() override { ++placed; }
    void setStatusText(int panel, const QString &text) override { status[panel] = text; }
    void showRefusal(const QString &message) override { refusals << message; }
    bool propertyWindowPinned() const override { return pinned; }
    void setPropertyWindowPinned(bool on) override
    {
        pinned = on;
        pinWrites << on;
    }
};

// Appends a seal of the kind, set up by the setters, selects it and forgets the history.
Seal *addSeal(SealDocument &doc, SealType kind, const std::function<void(Seal &)> &setup = {})
{
    auto seal = doc.createSeal();
    seal->setSealType(kind);
    if (setup)
        setup(*seal);
    Seal *s = seal.get();
    SealList list;
    list.push_back(std::move(seal));
    doc.appendSeals(std::move(list), false);
    doc.selectSeal(s);
    doc.clearHistory();
    return s;
}

// A document and a window showing it, at 96 pixels per inch.
struct Fixture {
    FakeHost host;
    SealDocument doc;
    PropertyWindow window{host, nullptr, 96};

    Fixture()
    {
        doc.setScreenPixelsPerMm(96 / 25.4f);
        window.setDocument(&doc);
    }

    Seal *add(SealType kind, const std::function<void(Seal &)> &setup = {}) { return addSeal(doc, kind, setup); }

    PropertySpinBox *spin(int tag) { return qobject_cast<PropertySpinBox *>(window.control(tag)); }
    QCheckBox *check(int tag) { return qobject_cast<QCheckBox *>(window.control(tag)); }
    QComboBox *list(int tag) { return qobject_cast<QComboBox *>(window.control(tag)); }
    bool enabled(int tag) { return window.control(tag)->isEnabled(); }
    void set(int tag, double value) { spin(tag)->setValue(value); }
    void chooseLine(int line) { list(31)->setCurrentIndex(line); }
    // Types into a box over its whole text, as after a click and Ctrl+A; Enter commits.
    void type(int tag, const QString &keys, bool commit = true)
    {
        spin(tag)->selectAll();
        QTest::keyClicks(spin(tag), keys);
        if (commit)
            QTest::keyClick(spin(tag), Qt::Key_Return);
    }
};

} // namespace

class TestPropertyWindow : public QObject
{
    Q_OBJECT

private slots:
    // Tab strip ppi / 6 + 4 high; tabs ppi / 3 × ppi / 6 from x = 6 × 1 − 1, each starting
    // ppi / 12 + 1 before the end of the one before; a pressed tab is ppi / 12 wider.
    void tabsFromResolution_data()
    {
        QTest::addColumn<int>("ppi");
        QTest::newRow("96") << 96;
        QTest::newRow("120") << 120;
    }
    void tabsFromResolution()
    {
        QFETCH(int, ppi);
        FakeHost host;
        PropertyWindow window(host, nullptr, ppi);
        const int h = ppi / 6, w = ppi / 3, overlap = h / 2 + 1;
        QCOMPARE(window.strip()->height(), h + 4);
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(window.QMVButton(i)->size(), QSize(w, h));
            QCOMPARE(window.QMVButton(i)->x(), 5 + (i - 1) * (w - overlap));
        }
        // At creation page A shows and the window fits it.
        const QRect a = window.groupBox(4)->geometry();
        QCOMPARE(window.height(), h + 4 + a.top() + a.height() + ppi / 24 / 4 + 1);
        QVERIFY(!window.Panel(1)->isHidden() && window.Panel(2)->isHidden());

        window.tabPressed(2);
        window.tabReleased(2);
        QVERIFY(window.Panel(1)->isHidden() && !window.Panel(2)->isHidden());
        QCOMPARE(window.QMVButton(2)->buttonState(), ButtonState::bsDown);
        QCOMPARE(window.QMVButton(2)->width(), w + h / 2);
        QCOMPARE(window.QMVButton(3)->x(), 5 + (w - overlap) + (w + h / 2 - overlap));
        const QRect c = window.groupBox(8)->geometry();
        QVERIFY(window.height() >= h + 4 + c.top() + c.height() + ppi / 24 / 2 + 1);
        for (int p = 1; p <= 4; ++p)
            QVERIFY(window.Panel(p)->sizeHint().height() <= window.height() - (h + 4));

        window.rollUp();
        QCOMPARE(window.height(), h + 4);
        QCOMPARE(window.QMVButton(2)->buttonState(), ButtonState::bsUp);
        QCOMPARE(window.QMVButton(3)->x(), 5 + 2 * (w - overlap));
    }

    void namesColoursAndBuddies()
    {
        Fixture f;
        QCOMPARE(f.window.objectName(), u"TfrmProprty"_s);
        QCOMPARE(f.window.accessibleName(), f.window.windowTitle());
        QCOMPARE(f.window.windowTitle(), u"印章属性"_s);
        QCOMPARE(f.window.QMVButton(3)->accessibleName(), u"C"_s);
        QCOMPARE(f.window.QMVButton(3)->tag(), 3);
        QCOMPARE(f.window.groupBox(9)->title(), u"印章编码[mm]"_s);
        QCOMPARE(f.spin(1)->objectName(), u"RxSpinEdit1"_s);
        QCOMPARE(f.window.controlLabel(1)->buddy(), f.spin(1));
        QCOMPARE(f.spin(1)->accessibleName(), u"中心定位 横向定位"_s);
        QCOMPARE(f.spin(1)->parentWidget(), f.window.groupBox(1));
        QVERIFY(!f.window.control(33)->accessibleName().isEmpty());
        const QColor boxText(0x00, 0x04, 0x70); // 0x700400 as 0x00BBGGRR
        QCOMPARE(f.spin(1)->palette().color(QPalette::Text), boxText);
        QCOMPARE(f.window.control(33)->palette().color(QPalette::Text), boxText);
        const auto *thanks = f.window.groupBox(7)->findChild<QLabel *>(u"Label1"_s);
        QVERIFY(thanks && thanks->text() == u"感谢您使用本软件"_s);
        QCOMPARE(thanks->palette().color(QPalette::WindowText), QColor(0x00, 0x80, 0xFF));

        // Tool tips give the unit and the range.
        f.add(SealType::stEllipse);
        QVERIFY(f.spin(1)->toolTip().contains(u"999.00 mm"_s));
        QVERIFY(f.spin(27)->toolTip().contains(u"360°"_s));
        QVERIFY(f.spin(14)->toolTip().contains(u"100000.00 mm"_s));
        // Nothing selected: everything disabled, labels too.
        f.doc.clearSelection();
        QVERIFY(!f.enabled(1) && !f.window.controlLabel(1)->isEnabled() && !f.enabled(33));
    }

    // The masks as the user meets them: labels go with their boxes; the frame type, the code on
    // the frame and the emblem switch boxes on and off at once.
    void enablingFollowsTheSeal()
    {
        Fixture f;
        f.add(SealType::stName22, [](Seal &s) { s.setCodeOn(false); });
        QVERIFY(f.enabled(6) && f.window.controlLabel(6)->isEnabled());
        QVERIFY(!f.enabled(67) && !f.window.controlLabel(67)->isEnabled() && !f.enabled(27) && !f.enabled(55));
        QVERIFY(!f.enabled(7) && f.check(7)->text() == u"三角形顶点在上"_s);

        Seal *s = f.add(SealType::stRect, [](Seal &seal) { seal.setCodeOn(false); });
        f.list(6)->setCurrentIndex(1); // 圆角矩形
        QCOMPARE(s->NameSealFrameType(), FrameType::ftRoundRect);
        QVERIFY(f.enabled(67) && !f.enabled(27) && !f.enabled(55) && f.enabled(53));
        f.list(6)->setCurrentIndex(3); // 圆[椭圆]形
        QVERIFY(!f.enabled(67) && f.enabled(27) && f.enabled(55) && !f.enabled(53));
        QVERIFY(f.enabled(54) && f.window.controlLabel(54)->isEnabled());
        f.check(59)->setChecked(true); // 编码在边框上
        QVERIFY(s->CodeOn() && !f.enabled(54) && !f.window.controlLabel(54)->isEnabled());

        f.add(SealType::stEllipse, [](Seal &seal) { seal.setImageIsStar(true); });
        for (int tag : {23, 24, 53, 54})
            QVERIFY2(!f.enabled(tag), qPrintable(QString::number(tag)));
        QVERIFY(f.enabled(18) && f.enabled(55) && f.enabled(59));
    }

    // "第二文字" of a stName12 is the odd cell: only its character width and height.
    void nameSealSecondLine()
    {
        Fixture f;
        Seal *s = f.add(SealType::stName12);
        f.chooseLine(1);
        for (int tag : {32, 33, 34, 35, 38, 39, 40, 41, 42, 43, 44, 68, 45, 46, 47, 48})
            QVERIFY2(!f.enabled(tag), qPrintable(QString::number(tag)));
        QVERIFY(f.enabled(36) && f.enabled(37));
        QCOMPARE(f.spin(36)->value(), 3.0); // TextWidth1 of a new element
        f.spin(36)->setValue(2.5);
        QCOMPARE(s->TextWidth1(), 2.5f);
        QCOMPARE(s->TextWidth(), 4.5f);
        f.spin(37)->setValue(4);
        QCOMPARE(s->TextHeight1(), 4.0f);
    }

    void arcAngles()
    {
        Fixture f;
        Seal *arc = f.add(SealType::stArc);
        QCOMPARE(f.window.controlLabel(8)->text(), u"起始角度："_s);
        QCOMPARE(f.window.controlLabel(9)->text(), u"终止角度："_s);
        QCOMPARE(f.window.groupBox(3)->title(), u"弧线角度[dg.]"_s);
        QCOMPARE(f.check(7)->text(), u"弧线闭合成扇形"_s);
        QVERIFY(f.enabled(7));
        QCOMPARE(f.spin(8)->decimals(), 0);
        QCOMPARE(f.spin(8)->value(), 2600 / 10.0);
        f.spin(8)->setValue(45);
        QCOMPARE(arc->TextAngle(), 450);
        f.spin(9)->setValue(-10);
        QCOMPARE(arc->CodeAngle(), -100);

        // Another kind turns the boxes back into millimetres.
        Seal *oval = f.add(SealType::stEllipse, [](Seal &s) { s.setPenWidth1(0.35f); });
        QCOMPARE(f.window.controlLabel(8)->text(), u"线    宽："_s);
        QCOMPARE(f.window.groupBox(3)->title(), u"主边框衬线[mm]"_s);
        QCOMPARE(f.spin(8)->decimals(), 2);
        QCOMPARE(f.spin(8)->value(), 0.35);
        f.spin(8)->setValue(0.4);
        QCOMPARE(oval->PenWidth1(), 0.4f);
        QCOMPARE(arc->TextAngle(), 450);
    }

    void thinStrokes()
    {
        Fixture f;
        Seal *s = f.add(SealType::stRect, [](Seal &seal) { seal.setTextWeight(400); });
        QVERIFY(!f.check(68)->isChecked()); // ticked only for 100
        QCOMPARE(s->TextWeight(), 400);     // and not rewritten by showing
        f.check(68)->setChecked(true);
        QCOMPARE(s->TextWeight(), 100);
        f.check(68)->setChecked(false);
        QCOMPARE(s->TextWeight(), 700);
    }

    // The table tool's 4 × 3 grid: "表格行数：" shows RowColCount, drawn as the 4 columns.
    void cellGridWording()
    {
        Fixture f;
        TemplateContext context{Gbk::fromUnicode(u"宋体"_s), clRed, f.doc.screenPixelsPerMm(), 100, {}};
        Seal *grid = f.doc.appendCreatedSeal(newSealFromTemplate(Tool::Table, QPoint(200, 200), context));
        QVERIFY(grid);
        QCOMPARE(f.window.controlLabel(65)->text(), u"表格行数："_s);
        QCOMPARE(f.spin(65)->value(), 4.0);
        QCOMPARE(f.window.controlLabel(66)->text(), u"表格列数："_s);
        QCOMPARE(f.spin(66)->value(), 3.0);
        f.spin(65)->setValue(6);
        QCOMPARE(grid->RowColCount(), 6);
    }

    // The tags whose handler does more than write one box's property, each once, with the
    // recomputed values shown back. Each add() selects the new seal.
    void specialTags()
    {
        Fixture f;
        auto lengthFifty = [](Seal &s) { // 30 × 40: a diagonal of 50
            s.setRealWidth(30);
            s.setRealHeight(40);
        };
        // 4: an any-angle line at 53.1° made 40 wide against about 40 high lies at 45°.
        f.add(SealType::stAnyAngleLine, [&](Seal &s) { lengthFifty(s), s.setTextAngle(531); });
        QCOMPARE(f.window.controlLabel(67)->text(), u"直线倾角："_s);
        f.set(4, 40);
        QCOMPARE(f.spin(67)->value(), 45.0);
        // 67: a line of length 50 at 30° is 50 cos 30° × 50 sin 30°.
        Seal *s = f.add(SealType::stAnyAngleLine, lengthFifty);
        f.set(67, 30);
        QCOMPARE(s->TextAngle(), 300);
        QCOMPARE(f.spin(4)->value(), 43.30);
        QCOMPARE(f.spin(5)->value(), 25.00);
        // 5 and 67 elsewhere: the height and the corner size.
        s = f.add(SealType::stRect, [](Seal &seal) { seal.setNameSealFrameType(FrameType::ftRoundRect); });
        f.set(5, 30);
        f.set(67, 3.5);
        QCOMPARE(s->RealHeight(), 30.0f);
        QCOMPARE(s->RealSR(), 3.5f);
        // 19, 20: the star element's own size; an oval seal's emblem.
        s = f.add(SealType::stFiveStar);
        f.set(19, 20);
        f.set(20, 18);
        QCOMPARE(s->RealWidth(), 20.0f);
        QCOMPARE(s->RealHeight(), 18.0f);
        s = f.add(SealType::stEllipse, [](Seal &seal) { seal.setImageIsStar(true); });
        f.set(19, 10);
        QCOMPARE(s->ImageWidth(), 10.0f);
        QCOMPARE(s->RealWidth(), 42.0f);
        // 35 on a seal: the line's ring height. 32 and 49: the chosen line's face and the code's.
        f.set(35, 30);
        QCOMPARE(s->TextsHeight(), 30.0f);
        f.chooseLine(2);
        f.list(32)->setEditText(u"黑体"_s);
        f.list(49)->setEditText(u"楷体"_s);
        QCOMPARE(fontSlotName(s->FontName2()), Gbk::fromUnicode(u"黑体"_s));
        QCOMPARE(fontSlotName(s->FontName()), Gbk::fromUnicode(u"宋体"_s));
        QCOMPARE(fontSlotName(s->CodeFontName()), Gbk::fromUnicode(u"楷体"_s));
        // 47: a ring line gets the ring angle and top/bottom, loses rows and directions.
        f.chooseLine(1);
        QVERIFY(f.enabled(40) && !f.enabled(41));
        f.check(47)->setChecked(true);
        QVERIFY(s->IsEllipse1());
        QVERIFY(f.enabled(41) && f.enabled(48) && !f.enabled(40) && !f.enabled(45) && !f.enabled(46));
        // 34 on a single column copies the width into the character width; 36 … 37 on a single
        // row copies the character height into the height.
        s = f.add(SealType::stHorzText, [](Seal &seal) { seal.setRowCol(false); });
        f.chooseLine(0);
        f.set(34, 8);
        QCOMPARE(s->RealWidth(), 8.0f);
        QCOMPARE(f.spin(36)->value(), 8.0);
        s = f.add(SealType::stHorzText);
        f.set(37, 9);
        QCOMPARE(f.spin(35)->value(), 9.0);
        // 40: ten rows of 4.5 mm characters no longer fit 42 mm: 10 × 4.5 + 10 × 0.2 = 47.
        f.set(40, 10);
        QCOMPARE(s->RowColCount(), 10);
        QCOMPARE(f.spin(34)->value(), 47.0);
        // 45: vertical columns swap the text's width and height.
        s = f.add(SealType::stHorzText, [](Seal &seal) { seal.setRealWidth(30), seal.setRealHeight(10); });
        f.check(45)->setChecked(false);
        QCOMPARE(f.spin(34)->value(), 10.0);
        QCOMPARE(f.spin(35)->value(), 30.0);
        // 41 on a text of length 50: at 0° it is 50 wide and 0 high. A line chosen before that
        // the text element cannot choose gives way to line 0.
        f.add(SealType::stEllipse);
        f.chooseLine(2);
        s = f.add(SealType::stAnyAngleText, lengthFifty);
        QCOMPARE(f.window.textLine(), 0);
        QCOMPARE(f.window.controlLabel(41)->text(), u"倾    角："_s);
        f.set(41, 0);
        QCOMPARE(s->TextAngle(), 0);
        QCOMPARE(f.spin(34)->value(), 50.0);
        QCOMPARE(f.spin(35)->value(), 0.0);
    }

    // Each edit is one undo step that marks the document modified; steps of one box merge until
    // it loses the focus or another property is edited; typing merges too.
    void editsAreUndoSteps()
    {
        Fixture f;
        Seal *s = f.add(SealType::stEllipse);
        const QByteArray before = testing::savedDocument(f.doc);
        f.set(3, 1.5);
        QVERIFY(f.doc.isModified());
        QCOMPARE(f.host.status.value(2), u"文件状态：已修改"_s);
        QCOMPARE(f.host.placed, 1);
        f.doc.undoStack().undo();
        QCOMPARE(testing::savedDocument(f.doc), before);
        QCOMPARE(f.spin(3)->value(), 1.2); // undo shows at once
        f.doc.undoStack().redo();
        QCOMPARE(f.spin(3)->value(), 1.5);

        for (int i = 0; i < 3; ++i)
            f.spin(4)->stepUp();
        QCOMPARE(s->RealWidth(), 42.03f);
        QCOMPARE(f.doc.undoStack().count(), 2);
        f.spin(5)->stepUp();
        f.spin(4)->stepUp();
        QCOMPARE(f.doc.undoStack().count(), 4);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(f.spin(4), &out);
        f.spin(4)->stepUp();
        QCOMPARE(f.doc.undoStack().count(), 5);
        f.window.tabReleased(4);
        auto *code = qobject_cast<QLineEdit *>(f.window.control(50));
        for (const QString &typed : {u"1"_s, u"12"_s, u"123"_s})
            code->setText(typed);
        QCOMPARE(f.doc.undoStack().count(), 6);
        QCOMPARE(s->Code(), QByteArray("123"));
        f.doc.undoStack().undo();
        QCOMPARE(code->text(), QString());
    }

    // The window shows whatever is selected now, after edits made elsewhere and after undo;
    // a step after selecting another seal steps that seal's own value.
    void followsSelectionAndDocument()
    {
        Fixture f;
        Seal *a = f.add(SealType::stEllipse, [](Seal &s) { s.setRealWidth(30); });
        Seal *b = f.add(SealType::stEllipse, [](Seal &s) { s.setRealWidth(50); });
        QCOMPARE(f.spin(4)->value(), 50.0);
        f.doc.selectSeal(a);
        QCOMPARE(f.spin(4)->value(), 30.0);
        f.doc.selectSeal(b);
        f.spin(4)->stepUp();
        QCOMPARE(b->RealWidth(), 50.01f);
        QCOMPARE(a->RealWidth(), 30.0f);

        const double was = f.spin(1)->value();
        f.doc.editSeals({f.doc.indexOf(b)}, u"移动"_s, [](const SealSelection &s) { s.front()->setRealCenterX(77); });
        QCOMPARE(f.spin(1)->value(), 77.0);
        f.doc.undoStack().undo();
        QCOMPARE(f.spin(1)->value(), was);

        // Another document, then none.
        SealDocument other;
        addSeal(other, SealType::stArc);
        f.window.setDocument(&other);
        QCOMPARE(f.window.controlLabel(8)->text(), u"起始角度："_s);
        f.window.setDocument(nullptr);
        QVERIFY(!f.enabled(1) && !f.enabled(8));
        const int index = f.doc.undoStack().index();
        f.spin(1)->setValue(5); // ignored without a document
        QCOMPARE(f.doc.undoStack().index(), index);
    }

    // Showing rounds nothing, clamps nothing and marks nothing modified; choosing the text line
    // only shows it.
    void showingNeverWrites()
    {
        Fixture f;
        Seal *s = f.add(SealType::stRect, [](Seal &seal) {
            seal.setRealWidth(38.971f);
            seal.setPenWidth(1000);
            seal.setLineAngle(455);
            seal.setTextWidth3(2.25f);
        });
        const QByteArray before = testing::savedDocument(f.doc);
        for (int tab = 1; tab <= 4; ++tab)
            f.window.tabReleased(tab);
        f.chooseLine(3);
        QCOMPARE(f.spin(36)->value(), 2.25);
        QCOMPARE(f.spin(4)->text(), u"38.97"_s);
        QCOMPARE(f.spin(3)->value(), 1000.0); // beyond the box's 999, shown as it is
        QCOMPARE(s->RealWidth(), 38.971f);
        QCOMPARE(s->PenWidth(), 1000.0f);
        QCOMPARE(s->LineAngle(), 455);
        QCOMPARE(testing::savedDocument(f.doc), before);
        QVERIFY(!f.doc.isModified() && f.doc.undoStack().count() == 0 && f.host.status.isEmpty());
    }

    void galleryShowsWithoutWriting()
    {
        QFile file(QStringLiteral(QM_SOURCE_DIR "/examples/gallery.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        Fixture f;
        QString error;
        QVERIFY2(documentFromJson(file.readAll(), QStringLiteral(QM_SOURCE_DIR "/examples"), f.doc, &error),
                 qPrintable(error));
        f.doc.clearHistory();
        QVERIFY(f.doc.sealCount() > 10);
        const QByteArray before = testing::savedDocument(f.doc);
        QVERIFY(!before.isEmpty());
        for (const auto &seal : f.doc.seals()) {
            f.doc.selectSeal(seal.get());
            for (int line = 0; line < 4; ++line)
                f.chooseLine(line);
            for (int tab = 1; tab <= 4; ++tab)
                f.window.tabReleased(tab);
        }
        QCOMPARE(f.doc.undoStack().count(), 0);
        QVERIFY(!f.doc.isModified());
        QCOMPARE(testing::savedDocument(f.doc), before);
    }

    // No box takes what the document could not save and read back.
    void boundsRefuseHugeValues()
    {
        Fixture f;
        TemplateContext context{Gbk::fromUnicode(u"宋体"_s), clRed, f.doc.screenPixelsPerMm(), 100, {}};
        Seal *grid = f.doc.appendCreatedSeal(newSealFromTemplate(Tool::Table, QPoint(200, 200), context));
        f.doc.clearHistory();
        f.window.tabReleased(4);
        f.spin(65)->setFocus();
        f.spin(65)->selectAll();
        QTest::keyClicks(f.spin(65), u"999999"_s);
        QVERIFY(grid->RowColCount() <= 1000);
        QCOMPARE(f.spin(65)->maximum(), 1000.0);
        f.spin(65)->setValue(999999);
        QCOMPARE(grid->RowColCount(), 1000);

        Seal *oval = f.add(SealType::stEllipse, [](Seal &s) { s.setImageIsStar(true); });
        f.spin(21)->setValue(999999);
        QCOMPARE(oval->ImageCenterX(), 100000.0f);
        // Seven typed characters are one too many for a float box.
        auto *typed = f.spin(21)->findChild<QLineEdit *>();
        typed->selectAll();
        QTest::keyClicks(typed, u"-1234.5"_s);
        QCOMPARE(typed->text(), u"-1234."_s);
        QCOMPARE(oval->ImageCenterX(), -1234.0f);
    }

    void textsAsGbk()
    {
        Fixture f;
        Seal *s = f.add(SealType::stEllipse);
        f.window.tabReleased(3);
        // A face longer than the slot is cut to 63 bytes between characters: 31 of 40.
        f.list(32)->setEditText(QString(40, QChar(0x5B8B)));
        QCOMPARE(Gbk::toUnicode(fontSlotName(s->FontName())), QString(31, QChar(0x5B8B)));
        // A character GBK cannot hold is refused with a message, nothing stored.
        auto *memo = qobject_cast<PropertyMemo *>(f.window.control(33));
        memo->setPlainText(u"示例公司"_s);
        QCOMPARE(s->Text(), Gbk::fromUnicode(u"示例公司"_s));
        const int steps = f.doc.undoStack().count();
        memo->setPlainText(u"示例公司\U0001F600"_s);
        QCOMPARE(f.host.refusals.size(), 1);
        QVERIFY(f.host.refusals.front().contains(u"\U0001F600"_s));
        QCOMPARE(s->Text(), Gbk::fromUnicode(u"示例公司"_s));
        QCOMPARE(memo->toPlainText(), u"示例公司"_s);
        QCOMPARE(f.doc.undoStack().count(), steps);
        // A text beyond 64 KiB keeps its first 64 KiB.
        memo->setPlainText(QString(70000, u'x'));
        QCOMPARE(s->Text().size(), 65536);
        QCOMPARE(memo->toPlainText().size(), 65536);
    }

    // Enter moves to the next control, in the memo too.
    void enterMovesFocus()
    {
        Fixture f;
        f.add(SealType::stEllipse);
        f.window.show();
        QApplication::setActiveWindow(&f.window);
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.window.tabReleased(1);
        f.spin(1)->setFocus();
        QTRY_VERIFY(f.spin(1)->hasFocus());
        QTest::keyClick(f.spin(1), Qt::Key_Return);
        QTRY_VERIFY(f.spin(2)->hasFocus());

        f.window.tabReleased(3);
        auto *memo = qobject_cast<PropertyMemo *>(f.window.control(33));
        memo->setFocus();
        QTRY_VERIFY(memo->hasFocus());
        QTest::keyClick(memo, Qt::Key_Return);
        QVERIFY(!memo->hasFocus());
        QVERIFY(!memo->toPlainText().contains(u'\n'));

        // A click on a tab opens its page at full height; losing the focus rolls the window up.
        QTest::mouseClick(f.window.QMVButton(2), Qt::LeftButton);
        QVERIFY(!f.window.Panel(2)->isHidden() && f.window.Panel(3)->isHidden());
        QCOMPARE(f.window.height(), f.window.fullHeight());
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QTRY_VERIFY(f.window.isRolledUp());
        QCOMPARE(f.window.height(), f.window.tabStripHeight());
        QCOMPARE(f.window.QMVButton(2)->buttonState(), ButtonState::bsUp);
    }

    // Ctrl+Tab and Ctrl+Shift+Tab open the next and the previous page, also from the rolled-up
    // window, with the keyboard in the page's first box; showing writes nothing.
    void pagesByKey()
    {
        Fixture f;
        f.add(SealType::stEllipse);
        f.window.show();
        QApplication::setActiveWindow(&f.window);
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.window.tabReleased(1);
        f.spin(1)->setFocus();
        QTRY_VERIFY(f.spin(1)->hasFocus());
        QTest::keyClick(f.spin(1), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(f.window.currentPage(), 2);
        QVERIFY(!f.window.Panel(2)->isHidden() && f.window.Panel(1)->isHidden());
        QVERIFY(f.window.Panel(2)->isAncestorOf(QApplication::focusWidget()));

        f.window.rollUp();
        QWidget *at = QApplication::focusWidget() ? QApplication::focusWidget() : &f.window;
        QTest::keyClick(at, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.window.currentPage(), 1);
        QVERIFY(!f.window.isRolledUp());
        QCOMPARE(f.window.height(), f.window.fullHeight());
        QCOMPARE(QApplication::focusWidget(), f.spin(1));
        QTest::keyClick(f.spin(1), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.window.currentPage(), 4);
        QVERIFY(!f.doc.isModified());
        QCOMPARE(f.doc.undoStack().count(), 0);
    }

    // A number beyond a box's range is typed in full and becomes the nearest bound when the
    // typing is committed, in one undo step, with a note in status panel 4.
    void typedBeyondRange_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("property");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("note");
        QTest::newRow("1500 into 线宽 0 … 999") << 3 << u"1500"_s << u"PenWidth"_s << 999.0 << u"已取最大值 999"_s;
        QTest::newRow("5000 into 宽度") << 4 << u"5000"_s << u"RealWidth"_s << 999.0 << u"已取最大值 999"_s;
        QTest::newRow("below zero") << 3 << u"-5"_s << u"PenWidth"_s << 0.0 << u"已取最小值 0"_s;
        QTest::newRow("below -100") << 2 << u"-150"_s << u"RealCenterY"_s << -100.0 << u"已取最小值 -100"_s;
        QTest::newRow("count 0 … 255") << 26 << u"300"_s << u"LineCount"_s << 255.0 << u"已取最大值 255"_s;
        // 360 degrees are stored as 3600 tenths.
        QTest::newRow("degrees 0 … 360") << 27 << u"400"_s << u"LineAngle"_s << 3600.0 << u"已取最大值 360"_s;
    }
    void typedBeyondRange()
    {
        QFETCH(int, tag);
        QFETCH(QString, typed);
        QFETCH(QString, property);
        QFETCH(double, stored);
        QFETCH(QString, note);
        Fixture f;
        Seal *s = f.add(SealType::stEllipse);
        const QByteArray before = testing::savedDocument(f.doc);
        f.type(tag, typed, false);
        QCOMPARE(f.spin(tag)->findChild<QLineEdit *>()->text(), typed); // no keystroke dropped
        QTest::keyClick(f.spin(tag), Qt::Key_Return);
        QCOMPARE(findSealProperty(property)->get(*s).toDouble(), stored);
        QCOMPARE(f.host.status.value(4), note);
        QCOMPARE(f.doc.undoStack().count(), 1);
        f.doc.undoStack().undo();
        QCOMPARE(testing::savedDocument(f.doc), before);
    }

    // Leaving the box commits as Enter does; a letter is refused with a note.
    void typedLettersAndLeaving()
    {
        Fixture f;
        Seal *s = f.add(SealType::stEllipse);
        f.type(4, u"12a"_s, false);
        QCOMPARE(f.spin(4)->findChild<QLineEdit *>()->text(), u"12"_s);
        QCOMPARE(f.host.status.value(4), u"只能输入数字"_s);
        QCOMPARE(s->RealWidth(), 12.0f);
        f.type(4, u"1234"_s, false);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(f.spin(4), &out);
        QCOMPARE(s->RealWidth(), 999.0f);
        QCOMPARE(f.spin(4)->text(), u"999.00"_s);
        QCOMPARE(f.host.status.value(4), u"已取最大值 999"_s);
        // 12, then 1, 12, 123 and the bound, all before the box was left: one step.
        QCOMPARE(f.doc.undoStack().count(), 1);
        // Still six typed characters at most.
        f.type(4, u"1234567"_s, false);
        QCOMPARE(f.spin(4)->findChild<QLineEdit *>()->text(), u"123456"_s);
    }

    // Typing into one box is one step until the box is left; the same box on another text line
    // or another box starts a step of its own.
    void typingSteps_data()
    {
        QTest::addColumn<QList<int>>("tags");
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<int>("steps");
        QTest::newRow("one box") << QList<int>{36, 36} << QList<int>{0, 0} << 1;
        QTest::newRow("one box, two text lines") << QList<int>{36, 36} << QList<int>{0, 1} << 2;
        QTest::newRow("two boxes") << QList<int>{36, 37} << QList<int>{2, 2} << 2;
    }
    void typingSteps()
    {
        QFETCH(QList<int>, tags);
        QFETCH(QList<int>, lines);
        QFETCH(int, steps);
        Fixture f;
        f.add(SealType::stEllipse);
        f.window.tabReleased(3);
        for (qsizetype i = 0; i < tags.size(); ++i) {
            f.chooseLine(lines[i]);
            f.type(tags[i], u"5.25"_s, false);
        }
        QCOMPARE(f.doc.undoStack().count(), steps);
    }

    // Boxes the shown element does not use are empty, not left with the last element's values;
    // nothing is written by emptying them.
    void disabledBoxesAreEmpty()
    {
        Fixture f;
        f.add(SealType::stEllipse, [](Seal &s) {
            s.setPenWidth4(1.5f);
            s.setCodeOn(true);
            s.setCode("123");
            s.setText(Gbk::fromUnicode(u"示例公司"_s));
        });
        QCOMPARE(f.spin(10)->text(), u"1.50"_s);
        QVERIFY(f.check(59)->isChecked());
        auto *code = qobject_cast<QLineEdit *>(f.window.control(50));
        auto *memo = qobject_cast<PropertyMemo *>(f.window.control(33));
        QCOMPARE(code->text(), u"123"_s);
        Seal *line = f.add(SealType::stHorzLine);
        QVERIFY(!f.enabled(10) && !f.enabled(59) && !f.enabled(33));
        QCOMPARE(f.spin(10)->text(), QString());
        QVERIFY(!f.check(59)->isChecked());
        QCOMPARE(code->text(), QString());
        QCOMPARE(memo->toPlainText(), QString());
        QCOMPARE(f.list(49)->currentText(), QString());
        QCOMPARE(f.list(6)->currentText(), QString());
        QVERIFY(!f.spin(1)->text().isEmpty()); // used by the line
        QVERIFY(!f.doc.isModified());
        QVERIFY(line->CodeOn()); // the flag of a new element, not what the box shows

        // Back on the seal, its values return; with no document nothing is shown.
        f.doc.selectSeal(f.doc.seals().front().get());
        QCOMPARE(f.spin(10)->text(), u"1.50"_s);
        QCOMPARE(code->text(), u"123"_s);
        f.window.setDocument(nullptr);
        for (int tag : {1, 4, 10, 36})
            QCOMPARE(f.spin(tag)->text(), QString());
        QCOMPARE(code->text(), QString());
        QCOMPARE(memo->toPlainText(), QString());
        QVERIFY(!f.doc.isModified());
    }

    // Boxes are named by group and label without the padding; labels stay their buddies.
    void accessibleBoxNames_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("name");
        const int oval = int(SealType::stEllipse);
        QTest::newRow("main frame") << oval << 3 << u"主边框 线宽"_s;
        QTest::newRow("lining") << oval << 8 << u"主边框衬线 线宽"_s;
        QTest::newRow("ring frame") << oval << 10 << u"转轮框、中心线 线宽"_s;
        QTest::newRow("inner frame") << oval << 16 << u"内边框 线宽"_s;
        QTest::newRow("emblem") << oval << 18 << u"图符 线宽"_s;
        QTest::newRow("text") << oval << 40 << u"印章文字 行列数"_s;
        QTest::newRow("code font") << oval << 49 << u"印章编码 字体"_s;
        QTest::newRow("code check") << oval << 58 << u"印章编码 斜体字"_s;
        QTest::newRow("text check") << oval << 44 << u"印章文字 斜体字"_s;
        QTest::newRow("arc") << int(SealType::stArc) << 8 << u"弧线角度 起始角度"_s;
        QTest::newRow("line") << int(SealType::stAnyAngleLine) << 67 << u"主边框 直线倾角"_s;
    }
    void accessibleBoxNames()
    {
        QFETCH(int, kind);
        QFETCH(int, tag);
        QFETCH(QString, name);
        Fixture f;
        f.add(SealType(kind));
        QCOMPARE(f.window.control(tag)->accessibleName(), name);
        if (QLabel *label = f.window.controlLabel(tag))
            QCOMPARE(label->buddy(), f.window.control(tag));
        // No two boxes share a name.
        QSet<QString> names;
        for (const PropertyControl &c : propertyControls())
            names.insert(f.window.control(c.tag)->accessibleName());
        QCOMPARE(names.size(), propertyControls().size());
    }

    // The tabs say which groups their pages hold, as page tabs; so do the pages.
    void tabsNameTheirGroups()
    {
        Fixture f;
        const QStringList groups{u"A：中心定位、主边框、主边框衬线、转轮框、中心线"_s, u"B：内边框、图符、纹线"_s,
                                 u"C：印章文字"_s, u"D：印章编码、表格"_s};
        for (int i = 1; i <= 4; ++i) {
            TabButton *tab = f.window.QMVButton(i);
            QCOMPARE(tab->toolTip(), groups[i - 1]);
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(tab);
            QCOMPARE(a->role(), QAccessible::PageTab);
            QCOMPARE(a->text(QAccessible::Description), groups[i - 1]);
            QCOMPARE(f.window.Panel(i)->accessibleDescription(), groups[i - 1]);
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(f.window.strip())->role(), QAccessible::PageTabList);
        // Pressing a tab through the accessibility interface opens its page.
        f.window.rollUp();
        QAccessible::queryAccessibleInterface(f.window.QMVButton(4))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.window.currentPage(), 4);
        QVERIFY(!f.window.isRolledUp() && !f.window.Panel(4)->isHidden());
    }

    // At creation the window fits page A, and a window manager that gives it the focus and
    // takes it back does not roll it up; once the user worked in it, losing the focus does.
    void opensAtPageAHeight()
    {
        FakeHost host;
        QWidget main;
        main.show();
        PropertyWindow window(host, &main, 96);
        window.show();
        QApplication::setActiveWindow(&window);
        QApplication::setActiveWindow(&main);
        QTRY_COMPARE(QApplication::activeWindow(), &main);
        // Tab strip 96 / 6 + 4 = 20; page A's four groups at their own heights below half the
        // 4-pixel label margin, with the page's spacing between them; a quarter of the margin, 1.
        int groups = 0;
        for (int g = 1; g <= 4; ++g)
            groups += window.groupBox(g)->sizeHint().height();
        const int spacing = window.Panel(1)->layout()->spacing();
        QCOMPARE(window.height(), 20 + 2 + groups + 3 * spacing + 1 + 1);
        QCOMPARE(window.groupBox(4)->height(), window.groupBox(4)->sizeHint().height());
        QVERIFY(!window.isRolledUp());

        QApplication::setActiveWindow(&window);
        QTest::mouseClick(window.QMVButton(2), Qt::LeftButton);
        QCOMPARE(window.height(), window.fullHeight());
        QApplication::setActiveWindow(&main);
        QTRY_VERIFY(window.isRolledUp());
        QCOMPARE(window.height(), 20);
    }

    // The pin keeps the window open when it loses the focus; the host keeps the choice.
    void pinKeepsWindowOpen()
    {
        FakeHost host;
        host.pinned = true;
        QWidget main;
        main.show();
        PropertyWindow window(host, &main, 96);
        QVERIFY(window.isPinned());
        QVERIFY(host.pinWrites.isEmpty()); // reading the choice writes nothing
        QCOMPARE(window.pinButton()->accessibleName(), u"固定属性窗口"_s);
        QVERIFY(window.strip()->isAncestorOf(window.pinButton()));
        QVERIFY(window.pinButton()->geometry().left() > window.QMVButton(4)->geometry().right());
        window.show();
        QApplication::setActiveWindow(&window);
        QTest::mouseClick(window.QMVButton(3), Qt::LeftButton);
        QApplication::setActiveWindow(&main);
        QTRY_COMPARE(QApplication::activeWindow(), &main);
        QVERIFY(!window.isRolledUp());
        QCOMPARE(window.height(), window.fullHeight());

        QApplication::setActiveWindow(&window);
        window.pinButton()->click();
        QCOMPARE(host.pinWrites, QList<bool>{false});
        QApplication::setActiveWindow(&main);
        QTRY_VERIFY(window.isRolledUp());
        // Pinning a rolled-up window opens it.
        window.setPinned(true);
        QVERIFY(!window.isRolledUp());
        QCOMPARE(window.height(), window.fullHeight());
        QCOMPARE(host.pinWrites, (QList<bool>{false, true}));
    }
};

QTEST_MAIN(TestPropertyWindow)
#include "tst_propertywindow.moc"
