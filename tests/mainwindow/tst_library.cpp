// The seal library and the emblem collection in the main window: naming and overwriting
// entries, inserting and deleting them, the editing dialog, the tabs of the side panels, the
// emblems applied to a seal and the files a panel cannot show.

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
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QUndoStack>

using namespace Qt::StringLiterals;
using namespace qm;

namespace {

// A 40 mm round seal at (cx, 50) mm, selected, with a star in its centre; the history cleared.
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

QString libraryFolder(const MainWindow &w)
{
    return w.workFolder(u"我的印章库"_s);
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

QStringList captions(const ThumbnailColumn *column)
{
    QStringList out;
    for (const Thumbnail *t : column->thumbnails())
        out.append(t->caption());
    return out;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Stores the selection of the active document under the name.
void store(Start &s, const QString &name)
{
    s.dialogs.libraryNames.push_back(name);
    s.window->action(u"actLibAdd"_s)->trigger();
}

bool isDown(const TabButton *tab)
{
    return tab->buttonState() == ButtonState::bsDown;
}

} // namespace

class TestLibrary : public QObject
{
    Q_OBJECT

private slots:
    // abc is stored as ABC.YZL; Abc finds it and asks; No proposes the stored name again; Yes
    // writes over the file as it is spelled on disk; a new name adds a thumbnail.
    void namingAndOverwriting()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        addRound(*child);
        const QString folder = libraryFolder(w);

        store(s, u"abc"_s);
        QCOMPARE(filesIn(folder), QStringList{u"ABC.YZL"_s});

        s.dialogs.answers = {QMessageBox::No};
        store(s, u"Abc"_s); // the second proposal is cancelled
        QCOMPARE(s.dialogs.proposedNames, (QStringList{QString(), QString(), u"ABC"_s}));
        QCOMPARE(s.dialogs.texts(), QStringList{u"章名< Abc >已存在，\r是否覆盖？"_s});

        QVERIFY(QFile::rename(folder + u"ABC.YZL"_s, folder + u"abc.yzl"_s));
        w.libraryTab()->click();
        const QString lower = QDir(folder).filePath(u"abc.yzl"_s);
        QCOMPARE(captions(w.libraryColumn()), QStringList{lower});

        addRound(*child, 100);
        child->document().setSelection({child->document().seals()[0].get(), child->document().seals()[1].get()});
        s.dialogs.answers = {QMessageBox::Yes};
        store(s, u"ABC"_s);
        QCOMPARE(filesIn(folder), QStringList{u"abc.yzl"_s});
        LibraryItem item;
        QVERIFY(openLibraryItem(lower, child->document(), &item).ok());
        QCOMPARE(item.items.size(), size_t(2));
        QCOMPARE(captions(w.libraryColumn()), QStringList{lower});

        store(s, u"def"_s);
        QCOMPARE(filesIn(folder), (QStringList{u"DEF.YZL"_s, u"abc.yzl"_s}));
        QCOMPARE(captions(w.libraryColumn()), (QStringList{lower, QDir(folder).filePath(u"DEF.YZL"_s)}));
        QCOMPARE(w.libraryColumn()->thumbnails().back()->entryName(), u"DEF"_s);

        // The search box keeps the entries whose name holds its text, in any case.
        w.librarySearchBox()->setText(u"de"_s);
        const QWidget *panel = w.libraryColumn()->column();
        QVERIFY(!w.libraryColumn()->thumbnails().front()->isVisibleTo(panel));
        QVERIFY(w.libraryColumn()->thumbnails().back()->isVisibleTo(panel));
    }

    // A name that is empty or could leave the folder is refused and proposed again; nothing is
    // written.
    void refusedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("icon");
        QTest::newRow("empty") << QString() << int(QMessageBox::Information);
        QTest::newRow("separator") << u"a/b"_s << int(QMessageBox::Warning);
        QTest::newRow("parent") << u".."_s << int(QMessageBox::Warning);
    }
    void refusedNames()
    {
        QFETCH(QString, name);
        QFETCH(int, icon);
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        addRound(*w.activeDocument());
        store(s, name);
        QCOMPARE(s.dialogs.messages.size(), size_t(1));
        QCOMPARE(int(s.dialogs.messages.front().icon), icon);
        QVERIFY(!s.dialogs.messages.front().text.isEmpty());
        if (name.isEmpty())
            QCOMPARE(s.dialogs.messages.front().text, u"请给印章提供一个名字！"_s);
        QCOMPARE(s.dialogs.proposedNames, (QStringList{QString(), name}));
        QCOMPARE(QDir(libraryFolder(w)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    // A write that fails is reported with its reason; the column and the cursor are as before.
    void failedWrite()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        addRound(*w.activeDocument());
        w.libraryTab()->click();
        // A folder stands where the new entry's file would go.
        QVERIFY(QDir(libraryFolder(w)).mkdir(u"FULL.YZL"_s));
        store(s, u"full"_s);
        QCOMPARE(s.dialogs.messages.size(), size_t(1));
        QCOMPARE(s.dialogs.messages.front().icon, QMessageBox::Critical);
        QVERIFY(w.libraryColumn()->thumbnails().isEmpty());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(w.progressPanel()->isHidden());
    }

    // The entry lands 2 mm right of and below the top-left corner of the visible part of the
    // page, selected, as one step that undo takes back.
    void insertAtVisibleTopLeft()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        addRound(*w.activeDocument());
        store(s, u"round"_s);

        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        child->showMaximized();
        w.libraryTab()->click();
        w.libraryColumn()->selectThumbnail(w.libraryColumn()->thumbnails().front());
        // One inch down: the page's own one-pixel margin and 25.4 mm of it scrolled away.
        QScrollBar *bar = child->verticalScrollBar();
        QVERIFY(bar->maximum() > child->pixelsPerInch());
        bar->setValue(child->pixelsPerInch() + 1);
        child->horizontalScrollBar()->setValue(0);
        w.action(u"actInsertSeal"_s)->trigger();

        SealDocument &doc = child->document();
        QCOMPARE(doc.sealCount(), 1);
        const Seal *seal = child->currentSeal();
        QVERIFY(seal);
        // Centre: 2 mm and half of the 40 mm seal from the corner, within a pixel's rounding.
        QVERIFY2(std::abs(seal->RealCenterX() - 22.0f) < 0.3f, qPrintable(QString::number(seal->RealCenterX())));
        QVERIFY2(std::abs(seal->RealCenterY() - 47.4f) < 0.3f, qPrintable(QString::number(seal->RealCenterY())));
        QCOMPARE(doc.undoStack().count(), 1);
        QCOMPARE(w.statusText(2), u"文件状态：已修改"_s);
        w.action(u"actEditUndo"_s)->trigger();
        QCOMPARE(doc.sealCount(), 0);
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
        MainWindow &w = s.show();
        w.fileNew();
        addRound(*w.activeDocument());
        store(s, u"a"_s);
        store(s, u"b"_s);
        w.libraryTab()->click();
        ThumbnailColumn *column = w.libraryColumn();
        QCOMPARE(column->thumbnails().size(), 2);
        column->selectThumbnail(column->thumbnailWithCaption(QDir(libraryFolder(w)).filePath(u"A.YZL"_s)));

        s.dialogs.answers = {QMessageBox::Yes};
        bool closed = false;
        s.dialogs.libraryEditor = [&](LibraryEditDialog &dialog) {
            dialog.show();
            if (all) {
                dialog.deleteAllButton()->click();
                dialog.closeButton()->click();
            } else {
                dialog.entryList()->item(0)->setSelected(true);
                dialog.deleteButton()->click();
                QTest::keyClick(&dialog, Qt::Key_Escape);
            }
            closed = !dialog.isVisible();
        };
        w.action(u"actEditLibrary"_s)->trigger();
        QVERIFY(closed);
        QCOMPARE(filesIn(libraryFolder(w)), left);
        QStringList leftPaths;
        for (const QString &name : left)
            leftPaths.append(QDir(libraryFolder(w)).filePath(name));
        QCOMPARE(captions(column), leftPaths);
        QVERIFY(!column->selectedThumbnail());
        QVERIFY(!w.action(u"actInsertSeal"_s)->isEnabled());
    }

    // At most one panel shows: a tab pressed down raises the other, and a down tab pressed
    // again closes its panel.
    void tabsAreExclusive()
    {
        Start s;
        MainWindow &w = s.show();
        TabButton *emblems = w.emblemTab();
        TabButton *library = w.libraryTab();
        emblems->click();
        QVERIFY(isDown(emblems));
        QVERIFY(w.emblemColumn()->isVisible());
        QVERIFY(!w.libraryPanel()->isVisible());

        library->click();
        QVERIFY(!isDown(emblems));
        QVERIFY(isDown(library));
        QVERIFY(!w.emblemColumn()->isVisible());
        QVERIFY(w.libraryPanel()->isVisible());
        // The tabs overlap by half the emblem tab's height.
        QCOMPARE(library->x(), emblems->x() + emblems->width() - emblems->height() / 2);

        library->click();
        QVERIFY(!isDown(library));
        QVERIFY(!w.emblemColumn()->isVisible());
        QVERIFY(!w.libraryPanel()->isVisible());
        QVERIFY(w.emblemsLoaded());
        QVERIFY(w.libraryLoaded());
    }

    // A built-in emblem double-clicked while a round seal is current replaces its star in one
    // step; without such a seal it arms the picture placing mode with that emblem.
    void builtInEmblem()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        addRound(*child);
        const QByteArray before = testing::savedDocument(child->document());
        const QByteArray image = child->currentSeal()->Image();
        w.emblemTab()->click();
        QCOMPARE(w.emblemColumn()->thumbnails().size(), int(GetPictureCount()));
        Thumbnail *first = w.emblemColumn()->thumbnails().front();
        QCOMPARE(first->caption(), u"B0"_s);
        QVERIFY(!first->pictureFromFile());
        GifPicture full;
        QVERIFY(LoadAPicture(full, u"B0"_s));

        QTest::mouseDClick(first, Qt::LeftButton);
        const Seal *seal = child->currentSeal();
        QVERIFY(seal->HaveImage());
        QVERIFY(!seal->ImageIsStar());
        QCOMPARE(seal->Picture().bytes(), full.bytes());
        QCOMPARE(seal->Image(), image);
        QVERIFY(w.emblemBox()->isChecked());
        QVERIFY(!w.starBox()->isChecked());
        QCOMPARE(child->document().undoStack().count(), 1);
        w.action(u"actEditUndo"_s)->trigger();
        QCOMPARE(testing::savedDocument(child->document()), before);

        child->document().clearSelection();
        for (int i = 0; i < 2; ++i) {
            QTest::mouseDClick(first, Qt::LeftButton);
            QCOMPARE(w.checkedDrawAction(), std::optional<Tool>(Tool::EmblemPicture));
        }
        QCOMPARE(w.emblemPicture(), full.bytes());
        QCOMPARE(child->document().undoStack().index(), 0);
    }

    // An emblem file that cannot be decoded gets an empty thumbnail and is named once; applied,
    // it is reported and leaves the seal as it was.
    void undecodableEmblem()
    {
        Start s;
        MainWindow &w = s.show();
        writeFile(w.workFolder(u"我的徽标库"_s) + u"bad.png"_s, "no picture in here");
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        addRound(*child);
        const QByteArray before = testing::savedDocument(child->document());
        w.emblemTab()->click();
        QCOMPARE(s.dialogs.messages.size(), size_t(1));
        QVERIFY(s.dialogs.texts().front().contains(u"bad.png"_s));
        QCOMPARE(w.emblemColumn()->thumbnails().size(), int(GetPictureCount()) + 1);
        Thumbnail *bad = w.emblemColumn()->thumbnails().back();
        QVERIFY(bad->pictureFromFile());
        QVERIFY(bad->picture().isNull());

        w.applyEmblem(bad);
        QCOMPARE(s.dialogs.messages.size(), size_t(2));
        QCOMPARE(s.dialogs.messages.back().icon, QMessageBox::Warning);
        QCOMPARE(testing::savedDocument(child->document()), before);
        QCOMPARE(child->document().undoStack().count(), 0);
    }

    // A damaged entry gets an empty thumbnail and the entries after it are still shown; the
    // hourglass and the progress display are gone afterwards.
    void damagedEntry()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        addRound(*w.activeDocument());
        store(s, u"good"_s);
        writeFile(libraryFolder(w) + u"broken.YZL"_s, QByteArray("\0\0\0\x41\xff\xff", 6));
        w.libraryTab()->click();
        QCOMPARE(w.libraryColumn()->thumbnails().size(), 2);
        const Thumbnail *good = w.libraryColumn()->thumbnailWithCaption(QDir(libraryFolder(w)).filePath(u"GOOD.YZL"_s));
        const Thumbnail *broken =
            w.libraryColumn()->thumbnailWithCaption(QDir(libraryFolder(w)).filePath(u"broken.YZL"_s));
        QVERIFY(good && broken);
        QVERIFY(!good->picture().isNull());
        QVERIFY(broken->picture().isNull());
        QCOMPARE(s.dialogs.messages.size(), size_t(1));
        QVERIFY(s.dialogs.texts().front().contains(u"broken.YZL"_s));
        QVERIFY(!s.dialogs.texts().front().contains(u"GOOD.YZL"_s));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(w.progressPanel()->isHidden());
        QVERIFY(w.libraryLoaded());
    }

    // Each library command is enabled exactly when it can act; delete removes the file and its
    // thumbnail.
    void commandStatesAndDelete()
    {
        Start s;
        MainWindow &w = s.show();
        auto enabled = [&w](const char16_t *name) { return w.action(QString::fromUtf16(name))->isEnabled(); };
        QVERIFY(!enabled(u"actLibAdd"));
        QVERIFY(enabled(u"actEditLibrary"));
        QVERIFY(!enabled(u"actInsertSeal"));
        QVERIFY(!enabled(u"actDeleteLibrarySeal"));

        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        addRound(*child);
        QVERIFY(enabled(u"actLibAdd"));
        store(s, u"e"_s);
        w.libraryTab()->click();
        QVERIFY(!enabled(u"actInsertSeal"));
        w.libraryColumn()->selectThumbnail(w.libraryColumn()->thumbnails().front());
        QVERIFY(enabled(u"actInsertSeal"));
        QVERIFY(enabled(u"actDeleteLibrarySeal"));
        child->document().clearSelection();
        QVERIFY(!enabled(u"actLibAdd"));

        w.action(u"actDeleteLibrarySeal"_s)->trigger(); // answered No
        QCOMPARE(s.dialogs.texts().back(), u"确实要永久删除该模板印章吗？"_s);
        QCOMPARE(filesIn(libraryFolder(w)), QStringList{u"E.YZL"_s});
        s.dialogs.answers = {QMessageBox::Yes};
        w.action(u"actDeleteLibrarySeal"_s)->trigger();
        QCOMPARE(filesIn(libraryFolder(w)), QStringList());
        QVERIFY(w.libraryColumn()->thumbnails().isEmpty());
        QVERIFY(!enabled(u"actDeleteLibrarySeal"));
    }
};

QTEST_MAIN(TestLibrary)
#include "tst_library.moc"
