// What the window program refuses instead of hanging or running out of memory: every path it
// reads from a user or a setting given a pipe, a device, a folder and a huge sparse file; and
// a command that runs out of memory.

#include "mainwindowtesting.h"

#include "document/documenttesting.h"
#include "testing/hostilepaths.h"
#include "mainwindow/drawactions.h"
#include "mainwindow/quillmarkapplication.h"
#include "mainwindow/wallpapermdiarea.h"
#include "page/pagepanel.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

#include <new>

using namespace Qt::StringLiterals;
using namespace qm;

namespace {

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
            QVERIFY(w.documentWindows().isEmpty());
            break;
        case Reader::RecentFile: {
            s.config->addRecentFile(path);
            emit w.recentMenu()->aboutToShow();
            w.recentMenu()->actions().front()->trigger();
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
