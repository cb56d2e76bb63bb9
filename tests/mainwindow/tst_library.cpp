// The seal library and the emblem collection in the main window: naming and overwriting
// entries, inserting and deleting them, the editing dialog, the side panels' tabs, emblems on
// a seal and the files a panel cannot show.

#include "mainwindowtesting.h"

#include "companions/glyphdepot/glyphdepot.h"
#include "controls/tabbutton.h"
#include "document/documenttesting.h"
#include "document/libraryitem.h"
#include "library/thumbnail.h"
#include "library/thumbnailcolumn.h"
#include "mainwindow/statuspanels.h"

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

// A selected 40 mm round seal at (cx, 50) mm with a star in its centre; the history cleared.
Seal *addRound(DocumentWindow &child, float cx = 50)
{
    SealDocument &doc = child.document();
    auto seal = doc.createSeal();
    seal->setSealType(SealType::stEllipse);
    seal->setRealWidth(40);
    seal->setRealHeight(40);
    seal->setRealCenterX(cx);
    seal->setRealCenterY(50);
    seal->setHaveImage(true);
    seal->setImageIsStar(true);
    seal->placeAtScale(doc.screenPixelsPerMm(), doc.page().zoom());
    Seal *added = doc.appendCreatedSeal(std::move(seal));
    doc.clearHistory();
    return added;
}

// A shown window with a document holding one selected round seal.
MainWindow &withSeal(Start &s)
{
    MainWindow &w = s.show();
    w.fileNew();
    addRound(*w.activeDocument());
    return w;
}

QString entryPath(const MainWindow &w, const QString &fileName)
{
    return QDir(w.workFolder(u"我的印章库"_s)).filePath(fileName);
}

QStringList entriesOnDisk(const MainWindow &w)
{
    return QDir(w.workFolder(u"我的印章库"_s)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList captions(const ThumbnailColumn *column)
{
    QStringList out;
    for (const Thumbnail *t : column->thumbnails())
        out.append(t->caption());
    return out;
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
    // abc becomes ABC.YZL; Abc finds it and asks; No proposes the stored name again; Yes writes
    // over the file as it is spelled on disk and refreshes its thumbnail in place.
    void namingAndOverwriting()
    {
        Start s;
        MainWindow &w = withSeal(s);
        store(s, u"abc"_s);
        QCOMPARE(entriesOnDisk(w), QStringList{u"ABC.YZL"_s});

        s.dialogs.answers = {QMessageBox::No};
        store(s, u"Abc"_s); // the second proposal is cancelled
        QCOMPARE(s.dialogs.proposedNames, (QStringList{QString(), QString(), u"ABC"_s}));
        QCOMPARE(s.dialogs.texts(), QStringList{u"章名< Abc >已存在，\r是否覆盖？"_s});

        QVERIFY(QFile::rename(entryPath(w, u"ABC.YZL"_s), entryPath(w, u"abc.yzl"_s)));
        w.libraryTab()->click();
        SealDocument &doc = w.activeDocument()->document();
        doc.setSelection({doc.seals()[0].get(), addRound(*w.activeDocument(), 100)});
        s.dialogs.answers = {QMessageBox::Yes};
        store(s, u"ABC"_s);
        QCOMPARE(entriesOnDisk(w), QStringList{u"abc.yzl"_s});
        LibraryItem item;
        QVERIFY(openLibraryItem(entryPath(w, u"abc.yzl"_s), doc, &item).ok());
        QCOMPARE(item.items.size(), size_t(2));
        QCOMPARE(captions(w.libraryColumn()), QStringList{entryPath(w, u"abc.yzl"_s)});

        store(s, u"def"_s);
        QCOMPARE(captions(w.libraryColumn()), (QStringList{entryPath(w, u"abc.yzl"_s), entryPath(w, u"DEF.YZL"_s)}));
    }

    // An empty name and one that could leave the folder are refused and asked for again; a
    // write that fails is reported with the cursor and the column as before.
    void refusedAndFailed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QStringList>("onDisk");
        QTest::newRow("empty") << QString() << QMessageBox::Information << QStringList();
        QTest::newRow("separator") << u"a/b"_s << QMessageBox::Warning << QStringList();
        QTest::newRow("parent") << u".."_s << QMessageBox::Warning << QStringList();
        // A folder stands where the new entry's file would go.
        QTest::newRow("write fails") << u"full"_s << QMessageBox::Critical << QStringList{u"FULL.YZL"_s};
    }
    void refusedAndFailed()
    {
        QFETCH(QString, name);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QStringList, onDisk);
        Start s;
        MainWindow &w = withSeal(s);
        w.libraryTab()->click();
        for (const QString &folder : onDisk)
            QVERIFY(QDir(w.workFolder(u"我的印章库"_s)).mkdir(folder));
        store(s, name);
        QCOMPARE(s.dialogs.messages.size(), size_t(1));
        QCOMPARE(s.dialogs.messages.front().icon, icon);
        if (name.isEmpty())
            QCOMPARE(s.dialogs.texts().front(), u"请给印章提供一个名字！"_s);
        QCOMPARE(entriesOnDisk(w), onDisk);
        QVERIFY(w.libraryColumn()->thumbnails().isEmpty());
        QVERIFY(!QApplication::overrideCursor());
    }

    // The entry lands 2 mm right of and below the top-left corner of the visible part of the
    // page, selected, as one step that undo takes back.
    void insertAtVisibleTopLeft()
    {
        Start s;
        MainWindow &w = withSeal(s);
        store(s, u"round"_s);
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        child->showMaximized();
        w.libraryTab()->click();
        w.libraryColumn()->selectThumbnail(w.libraryColumn()->thumbnails().front());
        // One inch down past the page's one-pixel margin: 25.4 mm of page scrolled away.
        child->verticalScrollBar()->setValue(child->pixelsPerInch() + 1);
        w.action(u"actInsertSeal"_s)->trigger();

        const Seal *seal = child->currentSeal();
        QVERIFY(seal);
        // 2 mm and half the 40 mm seal from the corner, within a pixel's rounding.
        QVERIFY(std::abs(seal->RealCenterX() - 22.0f) < 0.3f);
        QVERIFY(std::abs(seal->RealCenterY() - 47.4f) < 0.3f);
        QCOMPARE(w.statusText(2), u"文件状态：已修改"_s);
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
        MainWindow &w = withSeal(s);
        store(s, u"a"_s);
        store(s, u"b"_s);
        w.libraryTab()->click();
        ThumbnailColumn *column = w.libraryColumn();
        column->selectThumbnail(column->thumbnailWithCaption(entryPath(w, u"A.YZL"_s)));
        s.dialogs.answers = {QMessageBox::Yes};
        s.dialogs.libraryEditor = [all](LibraryEditDialog &dialog) {
            dialog.show();
            if (all) {
                dialog.deleteAllButton()->click();
                dialog.closeButton()->click();
            } else {
                dialog.entryList()->item(0)->setSelected(true);
                dialog.deleteButton()->click();
                QTest::keyClick(&dialog, Qt::Key_Escape);
            }
            QVERIFY(!dialog.isVisible());
        };
        w.action(u"actEditLibrary"_s)->trigger();
        QCOMPARE(entriesOnDisk(w), left);
        QCOMPARE(captions(column).size(), left.size());
        if (!left.isEmpty())
            QCOMPARE(captions(column).front(), entryPath(w, left.front()));
        QVERIFY(!column->selectedThumbnail());
        QVERIFY(!w.action(u"actInsertSeal"_s)->isEnabled());
    }

    // A built-in emblem double-clicked while a round seal is current replaces its star in one
    // step; without such a seal it arms the picture placing mode with that emblem.
    void builtInEmblem()
    {
        Start s;
        MainWindow &w = withSeal(s);
        DocumentWindow *child = w.activeDocument();
        const QByteArray before = testing::savedDocument(child->document());
        w.emblemTab()->click();
        Thumbnail *first = w.emblemColumn()->thumbnails().front();
        QCOMPARE(first->caption(), u"B0"_s);
        GifPicture full;
        QVERIFY(LoadAPicture(full, u"B0"_s));

        QTest::mouseDClick(first, Qt::LeftButton);
        const Seal *seal = child->currentSeal();
        QVERIFY(seal->HaveImage() && !seal->ImageIsStar());
        QCOMPARE(seal->Picture().bytes(), full.bytes());
        QVERIFY(w.emblemBox()->isChecked() && !w.starBox()->isChecked());
        w.action(u"actEditUndo"_s)->trigger();
        QCOMPARE(testing::savedDocument(child->document()), before);

        child->document().clearSelection();
        for (int i = 0; i < 2; ++i) {
            QTest::mouseDClick(first, Qt::LeftButton);
            QCOMPARE(w.checkedDrawAction(), std::optional<Tool>(Tool::EmblemPicture));
        }
        QCOMPARE(w.emblemPicture(), full.bytes());
    }

    // Files a panel cannot show get empty thumbnails, the fill goes on and they are named once;
    // an emblem that cannot be decoded leaves the seal as it was.
    void unreadableFiles()
    {
        Start s;
        MainWindow &w = withSeal(s);
        store(s, u"good"_s);
        for (const QString &path : {entryPath(w, u"broken.YZL"_s), w.workFolder(u"我的徽标库"_s) + u"bad.png"_s}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("\0\0\0\x41\xff", 5);
        }
        w.libraryTab()->click();
        QCOMPARE(w.libraryColumn()->thumbnails().size(), 2);
        QVERIFY(!w.libraryColumn()->thumbnailWithCaption(entryPath(w, u"GOOD.YZL"_s))->picture().isNull());
        QVERIFY(w.libraryColumn()->thumbnailWithCaption(entryPath(w, u"broken.YZL"_s))->picture().isNull());
        QCOMPARE(s.dialogs.messages.size(), size_t(1));
        QVERIFY(s.dialogs.texts().front().contains(u"broken.YZL"_s));
        QVERIFY(w.progressPanel()->isHidden());

        w.emblemTab()->click();
        QCOMPARE(s.dialogs.messages.size(), size_t(2));
        QVERIFY(s.dialogs.texts().back().contains(u"bad.png"_s));
        Thumbnail *bad = w.emblemColumn()->thumbnails().back();
        QVERIFY(bad->pictureFromFile() && bad->picture().isNull());
        DocumentWindow *child = w.activeDocument();
        const QByteArray before = testing::savedDocument(child->document());
        w.applyEmblem(bad);
        QCOMPARE(s.dialogs.messages.size(), size_t(3));
        QCOMPARE(testing::savedDocument(child->document()), before);
        QCOMPARE(child->document().undoStack().count(), 0);
    }

    // Each library command is enabled exactly when it can act; delete asks, then removes the
    // file and its thumbnail. At most one panel shows: a tab pressed down raises the other, a
    // down tab pressed again closes its panel.
    void commandsAndTabs()
    {
        Start s;
        MainWindow &w = s.show();
        auto enabled = [&w](const char16_t *name) { return w.action(QString::fromUtf16(name))->isEnabled(); };
        QVERIFY(!enabled(u"actLibAdd") && enabled(u"actEditLibrary"));
        QVERIFY(!enabled(u"actInsertSeal") && !enabled(u"actDeleteLibrarySeal"));
        w.fileNew();
        addRound(*w.activeDocument());
        QVERIFY(enabled(u"actLibAdd"));
        store(s, u"e"_s);

        TabButton *emblems = w.emblemTab();
        TabButton *library = w.libraryTab();
        emblems->click();
        QVERIFY(w.emblemColumn()->isVisible() && !w.libraryPanel()->isVisible());
        library->click();
        QVERIFY(emblems->buttonState() == ButtonState::bsUp && library->buttonState() == ButtonState::bsDown);
        QVERIFY(!w.emblemColumn()->isVisible() && w.libraryPanel()->isVisible());
        QCOMPARE(library->x(), emblems->x() + emblems->width() - emblems->height() / 2);

        QVERIFY(!enabled(u"actInsertSeal"));
        w.libraryColumn()->selectThumbnail(w.libraryColumn()->thumbnails().front());
        QVERIFY(enabled(u"actInsertSeal") && enabled(u"actDeleteLibrarySeal"));
        w.activeDocument()->document().clearSelection();
        QVERIFY(!enabled(u"actLibAdd"));
        w.action(u"actDeleteLibrarySeal"_s)->trigger(); // answered No
        QCOMPARE(s.dialogs.texts().back(), u"确实要永久删除该模板印章吗？"_s);
        QCOMPARE(entriesOnDisk(w), QStringList{u"E.YZL"_s});
        s.dialogs.answers = {QMessageBox::Yes};
        w.action(u"actDeleteLibrarySeal"_s)->trigger();
        QCOMPARE(entriesOnDisk(w), QStringList());
        QVERIFY(w.libraryColumn()->thumbnails().isEmpty());
        QVERIFY(!enabled(u"actDeleteLibrarySeal"));

        library->click();
        QVERIFY(!w.emblemColumn()->isVisible() && !w.libraryPanel()->isVisible());
    }
};

QTEST_MAIN(TestLibrary)
#include "tst_library.moc"
