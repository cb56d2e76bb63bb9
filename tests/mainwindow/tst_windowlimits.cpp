// What the window program refuses instead of hanging or running out of memory: every path it
// reads from a user or a setting given a pipe, a device, a folder and a huge sparse file; and
// a command that runs out of memory.

#include "mainwindowtesting.h"

#include "document/documenttesting.h"
#include "mainwindow/drawactions.h"
#include "mainwindow/quillmarkapplication.h"
#include "mainwindow/wallpapermdiarea.h"
#include "page/pagepanel.h"
#include "picture/documentlimits.h"
#include "seal/sealpicture.h"
#include "testing/hostilepaths.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

#include <new>

using namespace Qt::StringLiterals;
using namespace qm;

namespace {

// A bitmap file of width × height pixels in one colour: files of different colours hold
// different pictures.
QString bitmapFile(const QString &path, int width, int height, const QColor &colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, "BMP") ? path : QString();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

enum class Reader {
    WallpaperSetting,
    WallpaperCommand,
    PictureTool,
    EmblemChange,
    OpenCommand,
    CommandLine,
    RecentFile
};

// Throws what an allocation that fails throws, from inside an event.
class Exhausted : public QObject
{
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw std::bad_alloc();
        return QObject::event(e);
    }
};

} // namespace

Q_DECLARE_METATYPE(Reader)

class TestWindowLimits : public QObject
{
    Q_OBJECT

private slots:
    // Each reader refuses at once, says which file, and changes nothing; no reader waits for a
    // writer that never comes or reads without end.
    void everyReaderRefusesWhatIsNoFile_data()
    {
        QTest::addColumn<Reader>("reader");
        QTest::addColumn<int>("kind"); // in the order of testing::hostilePaths()
        const char *kinds[] = {"pipe", "link to the zero device", "zero device", "folder", "huge sparse file"};
        const std::pair<Reader, const char *> readers[] = {{Reader::WallpaperSetting, "wallpaper setting"},
                                                           {Reader::WallpaperCommand, "更换壁纸"},
                                                           {Reader::PictureTool, "从文件装载图象"},
                                                           {Reader::EmblemChange, "改变图符"},
                                                           {Reader::OpenCommand, "打开"},
                                                           {Reader::CommandLine, "command line"},
                                                           {Reader::RecentFile, "recent file"}};
        for (const auto &[reader, name] : readers)
            for (int kind = 0; kind < 5; ++kind)
                QTest::addRow("%s: %s", name, kinds[kind]) << reader << kind;
    }
    void everyReaderRefusesWhatIsNoFile()
    {
        QFETCH(Reader, reader);
        QFETCH(int, kind);
        Start s;
        const QList<testing::HostilePath> paths = testing::hostilePaths(s.dir, u"dyz"_s);
        QCOMPARE(paths.size(), 5);
        const QString path = paths.at(kind).path;
        const QString name = QFileInfo(path).fileName();
        const bool regular = kind == 4;

        if (reader == Reader::WallpaperSetting) {
            s.config->writeText(Configuration::UserInfoKey, u"BackGround"_s, path);
            MainWindow &w = s.show();
            QVERIFY(w.mdiArea()->wallpaper().isNull());
            return;
        }
        if (reader == Reader::CommandLine) {
            s.options.arguments = {path};
            MainWindow &w = s.show();
            QVERIFY(w.documentWindows().isEmpty());
            QVERIFY(w.commandLineOpenFailed());
            QCOMPARE(s.dialogs.messages.size(), size_t(1));
            if (!regular)
                QCOMPARE(s.dialogs.texts().front(), u'<' + name + u">不是普通文件，无法打开。"_s);
            return;
        }

        MainWindow &w = s.show();
        s.dialogs.messages.clear();
        DocumentWindow *child = nullptr;
        switch (reader) {
        case Reader::WallpaperCommand: {
            const QImage before = w.mdiArea()->wallpaper();
            s.dialogs.files.push_back(path);
            w.action(u"actHelpChangeWallPaper"_s)->trigger();
            QCOMPARE(w.mdiArea()->wallpaper(), before);
            QVERIFY(s.config->readText(Configuration::UserInfoKey, u"BackGround"_s).isEmpty());
            break;
        }
        case Reader::PictureTool:
            w.fileNew();
            child = w.activeDocument();
            w.drawActions().action(Tool::PictureFromFile)->trigger();
            s.dialogs.files.push_back(path);
            QTest::mouseClick(child->pagePanel(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
            QCOMPARE(child->sealList().size(), size_t(0));
            break;
        case Reader::EmblemChange: {
            w.fileNew();
            child = w.activeDocument();
            addSeal(*child);
            child->document().clearHistory();
            const QByteArray before = testing::savedDocument(child->document());
            s.dialogs.files.push_back(path);
            w.action(u"actEditChangeImage"_s)->trigger();
            QCOMPARE(child->document().undoStack().count(), 0);
            QCOMPARE(testing::savedDocument(child->document()), before);
            break;
        }
        case Reader::OpenCommand:
            s.dialogs.files.push_back(path);
            w.fileOpen();
            QVERIFY(waitForOpenings(w));
            QVERIFY(w.documentWindows().isEmpty());
            break;
        case Reader::RecentFile: {
            s.config->addRecentFile(path);
            emit w.recentMenu()->aboutToShow();
            w.recentMenu()->actions().front()->trigger();
            QVERIFY(waitForOpenings(w));
            QVERIFY(w.documentWindows().isEmpty());
            break;
        }
        default:
            break;
        }
        QCOMPARE(s.dialogs.messages.size(), size_t(1));
        QVERIFY2(s.dialogs.texts().front().contains(name), qPrintable(s.dialogs.texts().front()));
        if (!regular && reader != Reader::WallpaperCommand)
            QVERIFY(s.dialogs.texts().front().contains(u'<' + name + u">不是普通文件，无法打开。"_s));
        if (child)
            QVERIFY(!child->document().isModified());
    }

    // Pictures enter a document only within its budget, wherever they come from; a picture
    // that several seals share counts once, and what was saved opens again.
    void picturesStayWithinTheDocumentBudget()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        SealDocument &doc = child->document();
        // 300 × 200 = 60 000 pixels fit in 100 000; with 250 × 200 = 50 000 more they do not.
        doc.setPicturePixelBudget(100000);
        const QString shared = bitmapFile(s.path(u"shared.bmp"_s), 300, 200, Qt::red);
        const QString other = bitmapFile(s.path(u"other.bmp"_s), 250, 200, Qt::blue);
        addSeal(*child);
        s.dialogs.files.push_back(shared);
        w.action(u"actEditChangeImage"_s)->trigger();
        QVERIFY(child->currentSeal()->Picture().hasGraphic());
        w.action(u"actEditCopy"_s)->trigger();
        w.action(u"actEditPaste"_s)->trigger();
        w.action(u"actEditPaste"_s)->trigger();
        QCOMPARE(doc.sealCount(), 3);
        QVERIFY(s.dialogs.messages.empty());

        const int steps = doc.undoStack().count();
        const QByteArray before = testing::savedDocument(doc);
        auto refusedOnce = [&] {
            QCOMPARE(s.dialogs.messages.size(), size_t(1));
            QVERIFY2(s.dialogs.texts().front().startsWith(u"图片太大，不能加入"_s),
                     qPrintable(s.dialogs.texts().front()));
            QCOMPARE(doc.undoStack().count(), steps);
            QCOMPARE(testing::savedDocument(doc), before);
            s.dialogs.messages.clear();
        };
        s.dialogs.files.push_back(other);
        w.action(u"actEditChangeImage"_s)->trigger(); // the two other seals keep the shared one
        refusedOnce();

        w.drawActions().action(Tool::PictureFromFile)->trigger();
        s.dialogs.files.push_back(other);
        QTest::mouseClick(child->pagePanel(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
        refusedOnce();

        // From another document through the clipboard.
        SealDocument elsewhere;
        auto seal = elsewhere.createSeal();
        seal->setPicture(SealPicture::fromData(fileBytes(other)));
        QVERIFY(seal->Picture().hasGraphic());
        elsewhere.appendCreatedSeal(std::move(seal));
        QVERIFY(elsewhere.copySelection(w.clipboard()));
        doc.selectSeal(doc.seals().front().get());
        w.action(u"actEditPaste"_s)->trigger();
        refusedOnce();
        QCOMPARE(doc.selection().size(), size_t(1)); // as it was

        s.dialogs.files.push_back(s.path(u"shared.dyz"_s));
        QVERIFY(w.fileSaveAs());
        QCOMPARE(sealsInFile(s.path(u"shared.dyz"_s)), 3);
    }

    // A save that our own reader would refuse writes nothing and says why; the document stays
    // open and modified.
    void unreadableSaveRefused()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        addSeal(*child, 40);
        addSeal(*child, 100);
        const QString path = s.path(u"kept.dyz"_s);
        s.dialogs.files.push_back(path);
        QVERIFY(w.fileSaveAs());
        const QByteArray saved = fileBytes(path);
        QVERIFY(!saved.isEmpty());

        // Two 8 × 8 pictures, each followed by 1 MiB more than half of what a document may
        // have, bytes that no decoder reads: together 2 MiB beyond it.
        SealDocument &doc = child->document();
        for (int i = 0; i < 2; ++i) {
            QByteArray bytes = fileBytes(bitmapFile(s.path(u"%1.bmp"_s.arg(i)), 8, 8, i ? Qt::red : Qt::blue));
            bytes.append(QByteArray(MaxDocumentBytes / 2 + (1 << 20), char(i)));
            const SealPicture picture = SealPicture::fromData(bytes);
            QVERIFY(picture.hasGraphic());
            doc.editSeals({i}, u"图符"_s, [&](const SealSelection &seals) { seals.front()->setPicture(picture); });
        }
        QVERIFY(doc.isModified());
        s.dialogs.messages.clear();
        QVERIFY(!w.fileSave());
        QCOMPARE(s.dialogs.messages.size(), size_t(1));
        QVERIFY2(s.dialogs.texts().front().startsWith(u"不能保存文件<kept.dyz>"_s),
                 qPrintable(s.dialogs.texts().front()));
        QVERIFY(doc.isModified());
        QCOMPARE(fileBytes(path), saved);
        QCOMPARE(w.statusText(2), u"文件状态：已修改"_s);

        // Nor are they copied, so a cut keeps them.
        doc.setSelection({doc.seals().at(0).get(), doc.seals().at(1).get()});
        w.action(u"actEditCut"_s)->trigger();
        QCOMPARE(doc.sealCount(), 2);
    }

    // A command that runs out of memory is dropped with a message, and the program goes on.
    void outOfMemoryIsReported()
    {
        auto *app = dynamic_cast<QuillmarkApplication *>(QCoreApplication::instance());
        QVERIFY(app);
        ScriptedDialogs dialogs;
        app->setDialogs(&dialogs);
        Exhausted target;
        QEvent event(QEvent::User);
        QVERIFY(!QCoreApplication::sendEvent(&target, &event));
        app->setDialogs(nullptr);
        QCOMPARE(dialogs.messages.size(), size_t(1));
        QCOMPARE(dialogs.messages.front().icon, QMessageBox::Critical);
        QCOMPARE(dialogs.messages.front().text, u"内存不足，操作未完成。"_s);
    }
};

// The program's own application object, which turns what a command throws into a message.
int main(int argc, char **argv)
{
    QuillmarkApplication app(argc, argv);
    TestWindowLimits test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowlimits.moc"
