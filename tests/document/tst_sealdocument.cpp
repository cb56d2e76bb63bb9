#include "documenttesting.h"

#include "document/clipboardstream.h"
#include "document/documentfile.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"
#include "seal/gbk.h"
#include "seal/seal.h"

#include <QBuffer>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

using namespace qm;
using namespace qm::testing;
using namespace Qt::StringLiterals;

namespace {

Seal *create(SealDocument &doc, float x, float y, SealType type = SealType::stEllipse)
{
    auto seal = doc.createSeal();
    seal->setZoom(doc.page().zoom());
    seal->setSealType(type);
    seal->setRealCenterX(x);
    seal->setRealCenterY(y);
    return doc.appendCreatedSeal(std::move(seal));
}

// Three seals on an A4 page without history. 10 pixels per millimetre at zoom 100: one page
// pixel is 0.1 mm.
void threeSeals(SealDocument &doc)
{
    doc.setScreenPixelsPerMm(10);
    doc.page().setPageWidth(210);
    doc.page().setPageHeight(297);
    create(doc, 50, 60);
    create(doc, 100, 60, SealType::stRect)->setText(Gbk::fromUnicode(u"合同专用章"_s));
    create(doc, 150, 200, SealType::stHorzText);
    doc.clearSelection();
    doc.clearHistory();
}

QByteArray bmp()
{
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    return imageBytes(image, "BMP");
}

Seal *at(SealDocument &doc, int i)
{
    return doc.seals()[size_t(i)].get();
}

enum class Edit { Create, Delete, Cut, Paste, Move, Resize, Picture, TextRows, Front, Back, Centre, Clear };

} // namespace

class TestSealDocument : public QObject
{
    Q_OBJECT

private slots:
    // Every edit is one step whose undo gives back the saved bytes and whose redo the edited ones.
    void undoRedoBytes_data()
    {
        QTest::addColumn<int>("edit");
        QTest::addColumn<int>("countAfter");
        QTest::newRow("create") << int(Edit::Create) << 4;
        QTest::newRow("delete two") << int(Edit::Delete) << 1;
        QTest::newRow("cut") << int(Edit::Cut) << 2;
        QTest::newRow("paste") << int(Edit::Paste) << 5;
        QTest::newRow("move") << int(Edit::Move) << 3;
        QTest::newRow("resize with ring text") << int(Edit::Resize) << 3;
        QTest::newRow("picture") << int(Edit::Picture) << 3;
        QTest::newRow("text block rows") << int(Edit::TextRows) << 3;
        QTest::newRow("to front") << int(Edit::Front) << 3;
        QTest::newRow("to back") << int(Edit::Back) << 3;
        QTest::newRow("centre") << int(Edit::Centre) << 3;
        QTest::newRow("clear") << int(Edit::Clear) << 0;
    }
    void undoRedoBytes()
    {
        QFETCH(int, edit);
        QFETCH(int, countAfter);
        SealDocument doc;
        threeSeals(doc);
        ClipboardStream stream;
        at(doc, 0)->loadPictureData(bmp());
        doc.setSelection({at(doc, 0), at(doc, 2)});
        QVERIFY(doc.copySelection(stream));
        doc.selectSeal(at(doc, 1));
        doc.setSaved();
        const QByteArray before = savedDocument(doc);

        switch (Edit(edit)) {
        case Edit::Create:
            create(doc, 20, 30, SealType::stName22);
            break;
        case Edit::Delete:
            doc.setSelection({at(doc, 2), at(doc, 0)});
            QVERIFY(doc.deleteSelection());
            break;
        case Edit::Cut:
            QVERIFY(doc.cutSelection(stream));
            break;
        case Edit::Paste:
            QVERIFY(doc.paste(stream).ok());
            break;
        case Edit::Move:
            QVERIFY(doc.moveSelectionBy(25, -15));
            break;
        case Edit::Resize:
            // The width setter moves the centre and the ring grows with the seal.
            QVERIFY(doc.editSeals({1}, u"大小"_s, [](const SealSelection &seals) {
                seals[0]->setRealWidth(seals[0]->RealWidth() + 5);
                seals[0]->setTextsWidth(seals[0]->TextsWidth() + 5);
            }));
            break;
        case Edit::Picture:
            QVERIFY(doc.editSeals({0, 1}, u"图符"_s, [](const SealSelection &seals) {
                seals[0]->setPicture(SealPicture());
                seals[1]->loadPictureData(bmp());
            }));
            break;
        case Edit::TextRows:
            // A one-row text block's height follows its text height; with three rows it does
            // not, and bringing the rows back needs the row count before the heights.
            doc.selectSeal(at(doc, 2));
            QVERIFY(doc.editSeals({2}, u"行数"_s, [](const SealSelection &seals) {
                seals[0]->setRowColCount(3);
                seals[0]->setTextHeight(4);
            }));
            break;
        case Edit::Front:
            QVERIFY(doc.bringSealToFront());
            break;
        case Edit::Back:
            QVERIFY(doc.sendSealToBack());
            break;
        case Edit::Centre:
            QVERIFY(!doc.centreSelection(QRect(100, 40, 201, 81)));
            doc.setSelection({at(doc, 0), at(doc, 1)});
            QVERIFY(doc.centreSelection(QRect(100, 40, 201, 81)));
            // (100 + 201 / 2) * 100 / (100 * 10) = 20.05 and (40 + 81 / 2) / 10 = 8.05
            QCOMPARE(at(doc, 1)->RealCenterX(), 20.05f);
            QCOMPARE(at(doc, 1)->RealCenterY(), 8.05f);
            break;
        case Edit::Clear:
            doc.clearPage();
            break;
        }
        const QByteArray after = savedDocument(doc);
        QVERIFY(after != before);
        QCOMPARE(doc.sealCount(), countAfter);
        QCOMPARE(doc.undoStack().count(), 1);
        QCOMPARE(doc.isModified(), Edit(edit) != Edit::Clear);

        doc.undoStack().undo();
        QCOMPARE(savedDocument(doc), before);
        QCOMPARE(doc.isModified(), Edit(edit) == Edit::Clear);
        doc.undoStack().redo();
        QCOMPARE(savedDocument(doc), after);
        if (Edit(edit) == Edit::TextRows)
            QCOMPARE(doc.currentSeal(), at(doc, 2));
        doc.undoStack().undo();
        QCOMPARE(savedDocument(doc), before);
    }

    // Moves grow the centres by pixels / (Zoom * ScreenPixelsPerMm / 100).
    void moveByPixels_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("dx");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        // 25 / 10 = 2.5 and -15 / 10 = -1.5
        QTest::newRow("zoom 100") << 100 << 25 << 52.5f << 58.5f;
        // 25 / 20 = 1.25 and -15 / 20 = -0.75
        QTest::newRow("zoom 200") << 200 << 25 << 51.25f << 59.25f;
        // 25 / 2.5 = 10 and -15 / 2.5 = -6
        QTest::newRow("zoom 25") << 25 << 25 << 60.0f << 54.0f;
        // Released where it was pressed: no edit at all.
        QTest::newRow("no displacement") << 100 << 0 << 50.0f << 60.0f;
    }
    void moveByPixels()
    {
        QFETCH(int, zoom);
        QFETCH(int, dx);
        QFETCH(float, x);
        QFETCH(float, y);
        SealDocument doc;
        threeSeals(doc);
        QSignalSpy modified(&doc, &SealDocument::modifiedChanged);
        doc.page().setZoom(zoom);
        doc.setSelection({at(doc, 0), at(doc, 2)});
        QCOMPARE(doc.moveSelectionBy(dx, dx * -15 / 25), dx != 0);
        QCOMPARE(at(doc, 0)->RealCenterX(), x);
        QCOMPARE(at(doc, 0)->RealCenterY(), y);
        QCOMPARE(at(doc, 2)->RealCenterX(), x + 100);
        QCOMPARE(at(doc, 1)->RealCenterX(), 100.0f);
        QCOMPARE(doc.isModified(), dx != 0);
        QCOMPARE(modified.count(), dx != 0 ? 1 : 0);
    }

    // Edits that end where they began, or beyond the limits, leave the document as it was.
    void editsThatChangeNothing()
    {
        SealDocument doc;
        threeSeals(doc);
        const QByteArray before = savedDocument(doc);
        QVERIFY(!doc.editSeals({0}, u"x"_s, [](const SealSelection &s) { s[0]->setRealCenterX(50); }));
        QVERIFY(!doc.editSeals({0, 1}, u"x"_s, [](const SealSelection &s) {
            s[0]->setRealCenterX(12.0f);
            s[1]->setRealCenterX(200000.0f);
        }));
        QCOMPARE(savedDocument(doc), before);
        QVERIFY(!doc.isModified());
        QCOMPARE(doc.undoStack().count(), 0);
    }

    void currentSealRule()
    {
        SealDocument doc;
        threeSeals(doc);
        Seal *first = at(doc, 0);
        Seal *third = at(doc, 2);
        QSignalSpy changed(&doc, &SealDocument::selectionChanged);
        doc.selectSeal(third);
        QCOMPARE(doc.currentSeal(), third);
        doc.addToSelection(first);
        QCOMPARE(doc.currentSeal(), nullptr);
        doc.setSelection({third, third});
        QCOMPARE(doc.currentSeal(), third);
        QVERIFY(doc.deleteSelection());
        QCOMPARE(doc.currentSeal(), nullptr);
        doc.undoStack().undo();
        QCOMPARE(doc.currentSeal(), third);
        QCOMPARE(changed.count(), 5);
        doc.selectSeal(first);
        doc.clearPage();
        QCOMPARE(doc.currentSeal(), nullptr);
        doc.undoStack().undo();
        QCOMPARE(doc.currentSeal(), first);
    }

    // A large selection keeps its order and drops repeats and strangers, as a small one does;
    // deleting it takes exactly its seals, and undoing puts them and the selection back.
    void largeSelections()
    {
        SealDocument doc;
        doc.setScreenPixelsPerMm(10);
        for (int i = 0; i < 40; ++i)
            create(doc, float(10 + i), 20);
        SealDocument other;
        Seal *stranger = create(other, 10, 10);
        doc.clearHistory();
        // Every third seal from the top down, each twice, and one that is not on the page.
        SealSelection chosen{stranger};
        std::vector<int> expected;
        for (int i = 39; i >= 0; i -= 3) {
            chosen.push_back(at(doc, i));
            chosen.push_back(at(doc, i));
            expected.push_back(i);
        }
        doc.setSelection(chosen);
        QCOMPARE(doc.selectionIndices(), expected);
        const std::vector<Seal *> before(doc.selection());
        QVERIFY(doc.deleteSelection());
        QCOMPARE(doc.sealCount(), 40 - int(expected.size()));
        for (Seal *seal : before)
            QCOMPARE(doc.indexOf(seal), -1);
        QVERIFY(doc.selection().empty());
        doc.undoStack().undo();
        QCOMPARE(doc.sealCount(), 40);
        QCOMPARE(doc.selection(), before);
        QCOMPARE(doc.selectionIndices(), expected);
    }

    // The stream holds the seals 2 mm right of and below where they were copied.
    void pasteTwiceTwoMillimetresAway()
    {
        SealDocument doc;
        threeSeals(doc);
        ClipboardStream stream;
        doc.selectSeal(at(doc, 0));
        QVERIFY(doc.copySelection(stream));
        QVERIFY(doc.paste(stream).ok());
        QVERIFY(doc.paste(stream).ok());
        QCOMPARE(doc.sealCount(), 5);
        QCOMPARE(doc.currentSeal(), at(doc, 4));
        for (int i : {3, 4})
            QCOMPARE(QPointF(at(doc, i)->RealCenterX(), at(doc, i)->RealCenterY()), QPointF(52, 62));

        doc.setSelection({at(doc, 0), at(doc, 1)});
        doc.copySelection(stream);
        QVERIFY(doc.paste(stream).ok());
        QCOMPARE(doc.selectionIndices(), (std::vector<int>{5, 6}));
        QCOMPARE(doc.currentSeal(), nullptr);
        doc.undoStack().undo();
        QCOMPARE(doc.selectionIndices(), (std::vector<int>{0, 1}));
        doc.undoStack().redo();

        ClipboardStream damaged;
        damaged.setData(stream.data().left(100));
        QCOMPARE(doc.paste(damaged).error, DocumentError::BadFormat);
        QCOMPARE(doc.sealCount(), 7);
        QCOMPARE(doc.undoStack().count(), 3);
    }

    // Saving marks the document clean, and so does clearing the page, which can still be undone.
    void modifiedState()
    {
        SealDocument doc;
        threeSeals(doc);
        QSignalSpy modified(&doc, &SealDocument::modifiedChanged);
        QVERIFY(!doc.bringSealToFront());
        doc.selectSeal(at(doc, 0));
        QVERIFY(doc.bringSealToFront());
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        NoProgress progress;
        QVERIFY(doc.save(buffer, progress).ok());
        QVERIFY(!doc.isModified());
        doc.undoStack().undo();
        QVERIFY(doc.isModified());
        doc.clearPage();
        QVERIFY(!doc.isModified());
        QCOMPARE(doc.sealCount(), 0);
        doc.undoStack().undo();
        QCOMPARE(doc.sealCount(), 3);
        QCOMPARE(modified.count(), 5);
        QCOMPARE(modified.at(1).at(0).toBool(), false);
        QCOMPARE(modified.at(4).at(0).toBool(), true);
    }

    // A closing document tells nobody that its stack empties: the windows that follow the stack
    // may be half destroyed by then.
    void closesSilently()
    {
        auto doc = std::make_unique<SealDocument>();
        threeSeals(*doc);
        doc->selectSeal(at(*doc, 0));
        QVERIFY(doc->bringSealToFront());
        int heard = 0;
        QObject listener;
        QObject::connect(&doc->undoStack(), &QUndoStack::indexChanged, &listener, [&heard] { ++heard; });
        doc.reset();
        QCOMPARE(heard, 0);
    }

    void locksNotEditsNorStored()
    {
        SealDocument doc;
        threeSeals(doc);
        const QByteArray unlocked = savedDocument(doc);
        QVERIFY(!doc.toggleSealLock());
        doc.selectSeal(at(doc, 1));
        QVERIFY(doc.toggleSealLock());
        doc.togglePageLock();
        QVERIFY(doc.isSealLocked(at(doc, 1)));
        QVERIFY(doc.pageLocked());
        QVERIFY(!doc.isModified());
        QCOMPARE(doc.undoStack().count(), 0);
        QCOMPARE(savedDocument(doc), unlocked);

        // A locked seal keeps its lock through delete and undo, and stays where it is on a nudge.
        doc.setSelection({at(doc, 0), at(doc, 1)});
        QVERIFY(doc.nudgeSelection(1, 0, true));
        QCOMPARE(at(doc, 0)->RealCenterX(), 51.0f);
        QCOMPARE(at(doc, 1)->RealCenterX(), 100.0f);
        Seal *locked = at(doc, 1);
        doc.deleteSelection();
        doc.undoStack().undo();
        QVERIFY(doc.isSealLocked(locked));

        // An undo that has to rebuild a seal (a text block's rows come back before its height)
        // hands the lock on to the new object.
        doc.selectSeal(at(doc, 2));
        QVERIFY(doc.toggleSealLock());
        Seal *block = at(doc, 2);
        QVERIFY(doc.editSeals({2}, u"行数"_s, [](const SealSelection &seals) {
            seals[0]->setRowColCount(3);
            seals[0]->setTextHeight(4);
        }));
        doc.undoStack().undo();
        QVERIFY(at(doc, 2) != block);
        QVERIFY(doc.isSealLocked(at(doc, 2)));
        doc.selectSeal(at(doc, 2));
        QVERIFY(!doc.nudgeSelection(1, 0, true));
    }

    // Restacking: positions that are not neighbours come back exactly on undo; a seal already
    // at the end it is sent to is no edit.
    void restack_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("front");
        QTest::addColumn<QList<float>>("order"); // centres x after the command, bottom first
        QTest::newRow("bottom to front") << 0 << true << QList<float>{100, 150, 50};
        QTest::newRow("middle to front") << 1 << true << QList<float>{50, 150, 100};
        QTest::newRow("top to back") << 2 << false << QList<float>{150, 50, 100};
        QTest::newRow("top to front: nothing") << 2 << true << QList<float>{50, 100, 150};
        QTest::newRow("bottom to back: nothing") << 0 << false << QList<float>{50, 100, 150};
    }
    void restack()
    {
        QFETCH(int, selected);
        QFETCH(bool, front);
        QFETCH(QList<float>, order);
        SealDocument doc;
        threeSeals(doc);
        const QByteArray before = savedDocument(doc);
        const std::vector<Seal *> objects = {at(doc, 0), at(doc, 1), at(doc, 2)};
        doc.selectSeal(at(doc, selected));
        auto centres = [&doc] {
            QList<float> xs;
            for (const auto &seal : doc.seals())
                xs.append(seal->RealCenterX());
            return xs;
        };
        const bool moves = order != QList<float>{50, 100, 150};
        QCOMPARE(front ? doc.bringSealToFront() : doc.sendSealToBack(), moves);
        QCOMPARE(centres(), order);
        QCOMPARE(doc.undoStack().count(), moves ? 1 : 0);
        QCOMPARE(doc.isModified(), moves);
        if (!moves) {
            QCOMPARE(savedDocument(doc), before);
            return;
        }
        doc.undoStack().undo();
        QCOMPARE(centres(), (QList<float>{50, 100, 150}));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(at(doc, i), objects[size_t(i)]);
        QCOMPARE(savedDocument(doc), before);
        QVERIFY(!doc.isModified());
    }

    // Held keys nudge in one step: 50 + 1 + 1 + 1 = 53, one undo back to 50.
    void nudgesMerge()
    {
        SealDocument doc;
        threeSeals(doc);
        doc.selectSeal(at(doc, 0));
        for (int i = 0; i < 3; ++i)
            QVERIFY(doc.nudgeSelection(1, 0, true));
        QCOMPARE(at(doc, 0)->RealCenterX(), 53.0f);
        QCOMPARE(doc.undoStack().count(), 1);
        doc.endMerge();
        QVERIFY(doc.nudgeSelection(0, -1, false));
        // 60 - 0.1
        QCOMPARE(at(doc, 0)->RealCenterY(), 59.9f);
        QCOMPARE(doc.undoStack().count(), 2);
        doc.undoStack().undo();
        doc.undoStack().undo();
        QCOMPARE(at(doc, 0)->RealCenterX(), 50.0f);
        QCOMPARE(at(doc, 0)->RealCenterY(), 60.0f);

        // Back and forth ends where it began: no step, unmodified.
        doc.undoStack().clear();
        QVERIFY(doc.nudgeSelection(0, 1, true));
        QVERIFY(doc.nudgeSelection(0, -1, true));
        QCOMPARE(doc.undoStack().count(), 0);
        QVERIFY(!doc.isModified());
    }
};

QTEST_MAIN(TestSealDocument)
#include "tst_sealdocument.moc"
