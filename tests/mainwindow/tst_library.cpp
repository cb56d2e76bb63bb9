// The seal library and the emblem collection in the main window: naming, overwriting,
// inserting and deleting entries, the editing dialog, the side panels and emblems on a seal.

#include "mainwindowtesting.h"

#include "companions/glyphdepot/glyphdepot.h"
#include "controls/tabbutton.h"
#include "document/documenttesting.h"
#include "document/libraryitem.h"
#include "library/thumbnail.h"
#include "library/thumbnailcolumn.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QUndoStack>

using namespace Qt::StringLiterals;
using namespace qm;

namespace {

// A new document in the window holding one selected 40 mm round seal with a star.
MainWindow &withRoundSeal(MainWindow &w)
{
    w.fileNew();
    SealDocument &doc = w.activeDocument()->document();
    auto seal = doc.createSeal();
    seal->setSealType(SealType::stEllipse);
    seal->setRealWidth(40);
    seal->setRealHeight(40);
    seal->setRealCenterX(50);
    seal->setRealCenterY(50);
    seal->setHaveImage(true);
    seal->setImageIsStar(true);
    seal->placeAtScale(doc.screenPixelsPerMm(), doc.page().zoom());
    doc.appendCreatedSeal(std::move(seal));
    doc.clearHistory();
    return w;
}

QString entryPath(const MainWindow &w, const QString &fileName)
{
    return QDir(w.workFolder(u"我的印章库"_s)).filePath(fileName);
}

QStringList onDisk(const MainWindow &w)
{
    return QDir(w.workFolder(u"我的印章库"_s)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

void store(Start &s, const QString &name)
{
    s.dialogs.libraryNames.push_back(name);
    s.window->action(u"actLibAdd"_s)->trigger();
}

} // namespace

class TestLibrary : public QObject
{
    Q_OBJECT

private slots:
    // abc becomes ABC.YZL; Abc finds it and asks, No proposes the stored name again, Yes
    // writes over the file as spelled on disk; bad names are refused and a failed write
    // reported, leaving the column alone. The entry is inserted 2 mm right of and below the
    // visible top-left corner of the page, as one step.
    void storeAndInsert()
    {
        Start s;
        MainWindow &w = withRoundSeal(s.show());
        store(s, u"abc"_s);
        QCOMPARE(onDisk(w), QStringList{u"ABC.YZL"_s});
        s.dialogs.answers = {QMessageBox::No};
        store(s, u"Abc"_s); // the second proposal is cancelled
        QCOMPARE(s.dialogs.proposedNames, (QStringList{QString(), QString(), u"ABC"_s}));
        QCOMPARE(s.dialogs.texts(), QStringList{u"章名< Abc >已存在，\r是否覆盖？"_s});

        QVERIFY(QFile::rename(entryPath(w, u"ABC.YZL"_s), entryPath(w, u"abc.yzl"_s)));
        w.libraryTab()->click();
        s.dialogs.answers = {QMessageBox::Yes};
        store(s, u"ABC"_s);
        for (const QString &bad : {QString(), u"a/b"_s, u".."_s})
            store(s, bad);
        QVERIFY(QDir(w.workFolder(u"我的印章库"_s)).mkdir(u"FULL.YZL"_s));
        store(s, u"full"_s);
        QCOMPARE(s.dialogs.texts().at(2), u"请给印章提供一个名字！"_s);
        QCOMPARE(s.dialogs.messages.size(), size_t(6));
        QCOMPARE(s.dialogs.messages.back().icon, QMessageBox::Critical);
        QCOMPARE(onDisk(w), (QStringList{u"FULL.YZL"_s, u"abc.yzl"_s}));
        QCOMPARE(w.libraryColumn()->thumbnails().size(), 1);
        QVERIFY(!QApplication::overrideCursor());

        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        child->showMaximized();
        w.libraryColumn()->selectThumbnail(w.libraryColumn()->thumbnails().front());
        // One inch down past the page's one-pixel margin: 25.4 mm of page scrolled away.
        child->verticalScrollBar()->setValue(child->pixelsPerInch() + 1);
        w.action(u"actInsertSeal"_s)->trigger();
        const Seal *seal = child->currentSeal();
        QVERIFY(seal);
        // 2 mm and half the 40 mm seal from the corner, within a pixel's rounding.
        QVERIFY(std::abs(seal->RealCenterX() - 22.0f) < 0.3f);
        QVERIFY(std::abs(seal->RealCenterY() - 47.4f) < 0.3f);
        w.action(u"actEditUndo"_s)->trigger();
        QCOMPARE(child->document().sealCount(), 0);
    }

    // However the editing dialog closes, the column keeps only the entries still on disk, and a
    // freed thumbnail is no longer the selection.
    void editingDialog_data()
    {
        QTest::addColumn<bool>("all");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("delete all, close") << true << QStringList();
        QTest::newRow("delete one, Escape") << false << QStringList{u"B.YZL"_s};
    }
    void editingDialog()
    {
        QFETCH(bool, all);
        QFETCH(QStringList, left);
        Start s;
        MainWindow &w = withRoundSeal(s.show());
        store(s, u"a"_s);
        store(s, u"b"_s);
        w.libraryTab()->click();
        ThumbnailColumn *column = w.libraryColumn();
        column->selectThumbnail(column->thumbnailWithCaption(entryPath(w, u"A.YZL"_s)));
        s.dialogs.answers = {QMessageBox::Yes};
        s.dialogs.libraryEditor = [all](LibraryEditDialog &dialog) {
            dialog.show();
            dialog.entryList()->item(0)->setSelected(true);
            (all ? dialog.deleteAllButton() : dialog.deleteButton())->click();
            QTest::keyClick(&dialog, Qt::Key_Escape);
        };
        w.action(u"actEditLibrary"_s)->trigger();
        QCOMPARE(onDisk(w), left);
        QCOMPARE(column->thumbnails().size(), left.size());
        if (!left.isEmpty())
            QCOMPARE(column->thumbnails().front()->caption(), entryPath(w, left.front()));
        QVERIFY(!column->selectedThumbnail());
        QVERIFY(!w.action(u"actInsertSeal"_s)->isEnabled());
    }

    // A built-in emblem double-clicked while a round seal is current replaces its star in one
    // step; without such a seal it arms the picture placing mode. An emblem file that cannot be
    // decoded gets an empty thumbnail, is named once and leaves the seal as it was.
    void emblems()
    {
        Start s;
        MainWindow &w = withRoundSeal(s.show());
        QFile bad(w.workFolder(u"我的徽标库"_s) + u"bad.png"_s);
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("no picture") > 0);
        bad.close();
        DocumentWindow *child = w.activeDocument();
        const QByteArray before = testing::savedDocument(child->document());
        w.emblemTab()->click();
        QCOMPARE(s.dialogs.messages.size(), size_t(1));
        QVERIFY(s.dialogs.texts().front().contains(u"bad.png"_s));
        Thumbnail *last = w.emblemColumn()->thumbnails().back();
        QVERIFY(last->pictureFromFile() && last->picture().isNull());
        w.applyEmblem(last);
        QCOMPARE(s.dialogs.messages.size(), size_t(2));
        QCOMPARE(testing::savedDocument(child->document()), before);

        Thumbnail *first = w.emblemColumn()->thumbnails().front();
        GifPicture full;
        QVERIFY(LoadAPicture(full, first->caption()));
        QTest::mouseDClick(first, Qt::LeftButton);
        const Seal *seal = child->currentSeal();
        QVERIFY(seal->HaveImage() && !seal->ImageIsStar());
        QCOMPARE(seal->Picture().bytes(), full.bytes());
        QVERIFY(w.emblemBox()->isChecked() && !w.starBox()->isChecked());
        w.action(u"actEditUndo"_s)->trigger();
        QCOMPARE(testing::savedDocument(child->document()), before);

        child->document().clearSelection();
        QTest::mouseDClick(first, Qt::LeftButton);
        QCOMPARE(w.checkedDrawAction(), std::optional<Tool>(Tool::EmblemPicture));
        QCOMPARE(w.emblemPicture(), full.bytes());
    }

    // Commands are enabled exactly when they can act; a damaged entry gets an empty thumbnail
    // and the fill goes on; at most one panel shows, a down tab pressed again closes it; delete
    // asks, then removes the file and its thumbnail.
    void commandsAndPanels()
    {
        Start s;
        MainWindow &w = s.show();
        auto enabled = [&w](const char16_t *name) { return w.action(QString::fromUtf16(name))->isEnabled(); };
        QVERIFY(!enabled(u"actLibAdd") && enabled(u"actEditLibrary") && !enabled(u"actDeleteLibrarySeal"));
        withRoundSeal(w);
        QVERIFY(enabled(u"actLibAdd") && !enabled(u"actInsertSeal"));
        store(s, u"good"_s);
        QFile broken(entryPath(w, u"broken.YZL"_s));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("\0\0\0\x41\xff", 5) == 5);
        broken.close();

        TabButton *emblems = w.emblemTab();
        TabButton *library = w.libraryTab();
        emblems->click();
        library->click();
        QVERIFY(emblems->buttonState() == ButtonState::bsUp && !w.emblemColumn()->isVisible());
        QVERIFY(w.libraryPanel()->isVisible());
        QCOMPARE(library->x(), emblems->x() + emblems->width() - emblems->height() / 2);
        ThumbnailColumn *column = w.libraryColumn();
        QCOMPARE(column->thumbnails().size(), 2);
        QVERIFY(column->thumbnailWithCaption(entryPath(w, u"broken.YZL"_s))->picture().isNull());
        QVERIFY(!column->thumbnailWithCaption(entryPath(w, u"GOOD.YZL"_s))->picture().isNull());
        QVERIFY(s.dialogs.texts().back().contains(u"broken.YZL"_s));

        column->selectThumbnail(column->thumbnailWithCaption(entryPath(w, u"GOOD.YZL"_s)));
        QVERIFY(enabled(u"actInsertSeal") && enabled(u"actDeleteLibrarySeal"));
        w.action(u"actDeleteLibrarySeal"_s)->trigger(); // answered No
        QCOMPARE(s.dialogs.texts().back(), u"确实要永久删除该模板印章吗？"_s);
        s.dialogs.answers = {QMessageBox::Yes};
        w.action(u"actDeleteLibrarySeal"_s)->trigger();
        QCOMPARE(onDisk(w), QStringList{u"broken.YZL"_s});
        QCOMPARE(column->thumbnails().size(), 1);
        QVERIFY(!enabled(u"actDeleteLibrarySeal"));
        library->click();
        QVERIFY(!w.emblemColumn()->isVisible() && !w.libraryPanel()->isVisible());
    }
};

QTEST_MAIN(TestLibrary)
#include "tst_library.moc"
