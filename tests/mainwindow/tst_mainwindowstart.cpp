// The main window's start: the stages and their questions, the zoom and font lists, the
// settings, the first show with its command line, working folders and home page, and the
// dialog component that is not there.

#include "mainwindowtesting.h"

#include "mainwindow/fontlist.h"
#include "mainwindow/quillmarkapplication.h"
#include "mainwindow/toolpalette.h"
#include "mainwindow/wallpapermdiarea.h"
#include "mainwindow/zoomlist.h"
#include "seal/gbk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using namespace qm;

class TestMainWindowStart : public QObject
{
    Q_OBJECT

private slots:
    void stagesAndQuestions_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("terminate");
        const QString noPrinter = u"您的系统没有安装任何打印设备，建议用户安装分辨率在600dpi及以上的激光打印机。"_s;
        const QString smallScreen = u"    您的系统显示分辨率低于\r800 x 600,本软件可能运行不\r正常！是否退出？"_s;
        QTest::newRow("printer, wide screen") << true << 800 << int(QMessageBox::No) << QStringList() << false;
        QTest::newRow("no printer") << false << 1024 << int(QMessageBox::No) << QStringList{noPrinter} << false;
        QTest::newRow("small screen, go on")
            << true << 799 << int(QMessageBox::No) << QStringList{smallScreen} << false;
        // Yes ends the program, but only after every stage ran: the printer notice still comes.
        QTest::newRow("small screen, quit, no printer")
            << false << 640 << int(QMessageBox::Yes) << QStringList{smallScreen, noPrinter} << true;
    }
    void stagesAndQuestions()
    {
        QFETCH(bool, printer);
        QFETCH(int, screenWidth);
        QFETCH(int, answer);
        QFETCH(QStringList, messages);
        QFETCH(bool, terminate);
        Start s;
        s.options.printerPresent = [printer] { return printer; };
        s.options.screenWidth = [screenWidth] { return screenWidth; };
        s.dialogs.answers = {QMessageBox::StandardButton(answer)};
        MainWindow &w = s.create();
        QCOMPARE(s.dialogs.texts(), messages);
        QCOMPARE(w.terminateRequested(), terminate);
        QCOMPARE(s.stages, (QStringList{u"检查系统配置……"_s, u"检测显示器……"_s, u"查找打印机……"_s, u"创建剪贴板……"_s,
                                        u"设置壁纸……"_s, u"搜索字体……"_s, u"完成初始化……"_s}));
        QCOMPARE(w.windowTitle(), u"Quillmark 8"_s);
        QVERIFY(w.clipboard().isEmpty());
        QVERIFY(w.cursorSlot(6).pixmap().width() > 0);
    }

    // Ticking "不再提示" keeps the no-printer notice away at the next starts.
    void noPrinterNoticeCanBeTickedAway()
    {
        Start s;
        s.options.printerPresent = [] { return false; };
        s.dialogs.ticks = {false};
        s.create();
        QCOMPARE(s.dialogs.checkBoxTexts, QStringList{u"不再提示"_s});
        s.close();
        s.dialogs.ticks = {true};
        s.create(); // unticked last time: shown again, ticked now
        QCOMPARE(s.dialogs.checkBoxTexts.size(), 2);
        s.close();
        s.create();
        QCOMPARE(s.dialogs.checkBoxTexts.size(), 2);
        QCOMPARE(s.dialogs.messages.size(), size_t(2));
        QCOMPARE(s.config->readText(Configuration::SystemKey, u"HideNoPrinterNotice"_s), u"true"_s);
    }

    // Without the dialog library the commands tell the user and the program goes on.
    void missingDialogLibrary_data()
    {
        QTest::addColumn<bool>("help");
        QTest::addColumn<QString>("message");
        QTest::newRow("about") << false << u"该资源已缺失！"_s;
        QTest::newRow("help") << true << u"帮助资源缺失！"_s;
    }
    void missingDialogLibrary()
    {
        QFETCH(bool, help);
        QFETCH(QString, message);
        Start s;
        MainWindow &w = s.create();
        w.action(help ? u"actHelpHelp"_s : u"actHelpAbout"_s)->trigger();
        QCOMPARE(s.dialogs.texts(), QStringList{message});
        QCOMPARE(s.dialogs.messages.front().icon, QMessageBox::Critical);
    }

    void zoomList()
    {
        Start s;
        MainWindow &w = s.create();
        QComboBox *box = w.zoomBox();
        QCOMPARE(box->count(), 24);
        for (int i = 0; i < 24; ++i)
            QCOMPARE(box->itemText(i), QString::number(25 * (i + 1)) + u'%');
        QCOMPARE(box->currentIndex(), 3);
        QCOMPARE(box->currentText(), u"100%"_s);
        // 0x803000 is blue 0x80, green 0x30, red 0.
        QCOMPARE(box->palette().color(QPalette::Text), QColor(0x00, 0x30, 0x80));
        QCOMPARE(w.zoomChoice(), 100);
    }

    void zoomInput_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("zoom"); // 0: refused
        QTest::newRow("150%") << u"150%"_s << 150;
        QTest::newRow("150") << u"150"_s << 150;
        QTest::newRow("blanks") << u" 75 % "_s << 75;
        QTest::newRow("lowest") << u"10%"_s << 10;
        QTest::newRow("highest") << u"610"_s << 610;
        QTest::newRow("zero") << u"0%"_s << 0;
        QTest::newRow("negative") << u"-50%"_s << 0;
        QTest::newRow("too small") << u"9"_s << 0;
        QTest::newRow("too large") << u"611%"_s << 0;
        QTest::newRow("fraction") << u"1.5"_s << 0;
        QTest::newRow("percent only") << u"%"_s << 0;
        QTest::newRow("words") << u"abc"_s << 0;
    }
    void zoomInput()
    {
        QFETCH(QString, typed);
        QFETCH(int, zoom);
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        QLineEdit *edit = w.zoomBox()->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        // Typing alone changes nothing, so "150" does not pass through 1 % and 15 %.
        QCOMPARE(child->document().page().zoom(), 100);
        QTest::keyClick(edit, Qt::Key_Return);
        const int expected = zoom ? zoom : 100;
        QCOMPARE(child->document().page().zoom(), expected);
        QCOMPARE(w.zoomChoice(), expected);
        QCOMPARE(w.zoomBox()->currentText(), QString::number(expected) + u'%');
        QCOMPARE(int(s.dialogs.messages.size()), zoom ? 0 : 1);
    }

    void fontList()
    {
        Start s;
        MainWindow &w = s.create();
        QComboBox *box = w.fontBox();
        QVERIFY(w.chineseOnlyBox()->isChecked());
        QCOMPARE(box->currentText(), u"宋体"_s);
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items.append(box->itemText(i));
        for (const QString &face : {u"黑体"_s, u"楷体"_s, u"仿宋"_s, u"隶书"_s})
            QVERIFY(items.contains(face));
        const QStringList installed = QFontDatabase::families();
        for (const QString &family : installed) {
            const bool chinese = QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese) ||
                                 hasDoubleByteCharacter(family);
            QVERIFY2(items.contains(family) == chinese, qPrintable(family));
        }
        // The test machine's Chinese faces carry Latin names, and some Latin-only face is there.
        QVERIFY(std::any_of(items.begin(), items.end(), [](const QString &f) { return !hasDoubleByteCharacter(f); }));
        // …and a Latin-only face goes.
        QVERIFY(std::any_of(installed.begin(), installed.end(), [&](const QString &f) { return !items.contains(f); }));

        w.chineseOnlyBox()->setChecked(false);
        QCOMPARE(box->currentText(), u"宋体"_s);
        for (const QString &family : installed)
            QVERIFY2(box->findText(family) >= 0, qPrintable(family));
        w.chineseOnlyBox()->setChecked(true);
        QCOMPARE(box->count(), int(items.size()));
    }

    // A face name goes into a 63-byte slot cut between characters, never inside one.
    void faceCut_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QByteArray>("gbk");
        QTest::newRow("fits") << u"宋体"_s << 4 << QByteArray("\xCB\xCE\xCC\xE5");
        QTest::newRow("half of 体") << u"宋体"_s << 3 << QByteArray("\xCB\xCE");
        QTest::newRow("latin then 宋") << u"ab宋"_s << 3 << QByteArray("ab");
        QTest::newRow("latin fits") << u"ab宋c"_s << 5
                                    << QByteArray("ab\xCB\xCE"
                                                  "c");
    }
    void faceCut()
    {
        QFETCH(QString, name);
        QFETCH(int, limit);
        QFETCH(QByteArray, gbk);
        QCOMPARE(gbkCutToBytes(name, limit), gbk);
    }

    // A missing value reads as empty; an empty text is never written; recent files keep the
    // latest eight, the latest first.
    void settings()
    {
        Start s;
        Configuration &c = *s.config;
        QVERIFY(c.keyCanBeOpened());
        QCOMPARE(c.readText(Configuration::UserInfoKey, u"BackGround"_s), QString());
        c.writeText(Configuration::UserInfoKey, u"BackGround"_s, u"/a.png"_s);
        c.writeText(Configuration::UserInfoKey, u"BackGround"_s, QString());
        QCOMPARE(c.readText(Configuration::UserInfoKey, u"BackGround"_s), u"/a.png"_s);
        QVERIFY(!c.pageDoubleBuffered());
        c.setPageDoubleBuffered(true);
        for (int i = 1; i <= 10; ++i)
            c.addRecentFile(u"/f"_s + QString::number(i));
        c.addRecentFile(u"/f5"_s);
        QCOMPARE(c.recentFiles(),
                 (QStringList{u"/f5"_s, u"/f10"_s, u"/f9"_s, u"/f8"_s, u"/f7"_s, u"/f6"_s, u"/f4"_s, u"/f3"_s}));
        c.sync();
        // The next start reads them back, with the double-buffering check mark.
        Configuration again(s.path(u"settings.ini"_s));
        QCOMPARE(again.recentFiles().size(), 8);
        QCOMPARE(again.readText(Configuration::UserInfoKey, u"BackGround"_s), u"/a.png"_s);
        s.config = std::make_unique<Configuration>(s.path(u"settings.ini"_s));
        s.options.configuration = s.config.get();
        QVERIFY(s.create().action(u"actPageDoubleBuffered"_s)->isChecked());
    }

    void commandLinePath_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("path");
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("one") << QStringList{u"/d/a.dyz"_s} << u"/d/a.dyz"_s;
        QTest::newRow("split at a blank") << QStringList{u"/d/My"_s, u"Seals/a.dyz"_s} << u"/d/My Seals/a.dyz"_s;
        QTest::newRow("first has an extension") << QStringList{u"/d/a.dyz"_s, u"b.dyz"_s} << u"/d/a.dyz"_s;
        QTest::newRow("no extension alone") << QStringList{u"/d/My"_s} << u"/d/My"_s;
    }
    void commandLinePath()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, path);
        QCOMPARE(MainWindow::commandLinePath(arguments), path);
    }

    // Each argument that names a file opens in a window of its own; the first two are joined
    // only when the first names no file and the joined path does.
    void commandLineOpensEachFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("two files") << QStringList{u"a.dyz"_s, u"b.dyz"_s} << QStringList{u"a.dyz"_s, u"b.dyz"_s};
        QTest::newRow("split path") << QStringList{u"My"_s, u"Seals/c.dyz"_s, u"b.dyz"_s}
                                    << QStringList{u"My Seals/c.dyz"_s, u"b.dyz"_s};
        QTest::newRow("first without extension is a file")
            << QStringList{u"Seals"_s, u"b.dyz"_s} << QStringList{u"Seals"_s, u"b.dyz"_s};
        QTest::newRow("joined path missing") << QStringList{u"My"_s, u"a.dyz"_s} << QStringList{u"a.dyz"_s};
        QTest::newRow("missing, same file again")
            << QStringList{u"gone.dyz"_s, u"a.dyz"_s, u"./a.dyz"_s} << QStringList{u"a.dyz"_s};
    }
    void commandLineOpensEachFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, opened);
        Start s;
        QVERIFY(QDir().mkpath(s.path(u"My Seals"_s)));
        for (const QString &name : {u"a.dyz"_s, u"b.dyz"_s, u"My Seals/c.dyz"_s, u"Seals"_s}) {
            SealDocument doc;
            NoProgress progress;
            QVERIFY(doc.save(s.path(name), progress).ok());
        }
        // Relative to the working folder, as a file manager or shell passes them.
        const QString working = QDir::currentPath();
        QVERIFY(QDir::setCurrent(s.dir.path()));
        s.options.arguments = arguments;
        MainWindow &w = s.show();
        QDir::setCurrent(working);
        QStringList captions;
        for (const DocumentWindow *child : w.documentWindows())
            captions.append(MainWindow::caption(child));
        QStringList expected;
        for (const QString &name : opened)
            expected.append(s.path(name));
        QCOMPARE(captions, expected);
        QVERIFY(!w.commandLineOpenFailed());
        QVERIFY(s.dialogs.messages.empty());
    }

    // The first show opens the document of a path that arrived in two pieces.
    void commandLineOpensSplitPath()
    {
        Start s;
        QVERIFY(QDir().mkpath(s.path(u"My Seals"_s)));
        const QString file = s.path(u"My Seals/a.dyz"_s);
        {
            SealDocument doc;
            NoProgress progress;
            QVERIFY(doc.save(file, progress).ok());
        }
        s.options.arguments = {s.path(u"My"_s), u"Seals/a.dyz"_s};
        s.options.showDrawTools = true;
        MainWindow &w = s.show();
        QCOMPARE(w.documentWindows().size(), 1);
        QCOMPARE(MainWindow::caption(w.activeDocument()), file);
        QVERIFY(!w.commandLineOpenFailed());
        QCOMPARE(w.statusText(2), u"文件状态：未修改"_s);
        QVERIFY(s.dialogs.messages.empty());
        // Its window opens beside the palette, not under it.
        const QWidget *frame = w.activeDocument()->parentWidget();
        const QRect onScreen(frame->mapToGlobal(QPoint(0, 0)), frame->size());
        QVERIFY(!onScreen.intersects(w.drawTools()->frameGeometry()));
    }

    void firstShow()
    {
        Start s;
        s.options.arguments = {s.path(u"nothing.dyz"_s)}; // missing: ignored without a word
        MainWindow &w = s.show();
        QVERIFY(!w.programFolder().isEmpty());
        QCOMPARE(w.statusText(2), u"文件状态：无文件"_s);
        QVERIFY(w.documentWindows().isEmpty());
        QVERIFY(s.dialogs.messages.empty());
        for (const QString &name : MainWindow::workFolderNames()) {
            QVERIFY2(QFileInfo(w.workFolder(name)).isDir(), qPrintable(name));
            QVERIFY(w.workFolder(name).startsWith(s.options.dataFolder));
        }
    }

    void homePageOnFirstStartOnly_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("opens");
        QTest::newRow("first start") << QString() << true;
        QTest::newRow("false") << u"false"_s << true;
        QTest::newRow("true") << u"true"_s << false;
    }
    void homePageOnFirstStartOnly()
    {
        QFETCH(QString, stored);
        QFETCH(bool, opens);
        Start s;
        s.config->writeText(Configuration::HomePageKey, u"HomePage"_s, stored);
        s.show();
        QCOMPARE(int(s.dialogs.urls.size()), opens ? 1 : 0);
        if (opens) {
            const QUrl url = s.dialogs.urls.front();
            QVERIFY(url.isLocalFile());
            QVERIFY(QFile(url.toLocalFile()).size() > 0);
        }
        QCOMPARE(s.config->readText(Configuration::HomePageKey, u"HomePage"_s), u"true"_s);
        // The next start opens nothing.
        s.close();
        s.dialogs.urls.clear();
        s.show();
        QVERIFY(s.dialogs.urls.empty());
    }

    // The platform's save dialog appends ".dyz" to a bare name before it checks for an existing
    // file, so the overwrite question is about the file that will be written.
    void saveDialogAppendsSuffix()
    {
        QTemporaryDir dir;
        QFile existing(dir.filePath(u"abc.dyz"_s));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        QFileDialog dialog;
        QtUserDialogs::setUpSaveDialog(dialog, dir.path(), u"Quillmark 印章文件(*.dyz)"_s, QString(), u"dyz"_s);
        QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
        dialog.selectFile(u"abc"_s);
        QCOMPARE(dialog.selectedFiles(), QStringList{dir.filePath(u"abc.dyz"_s)});
    }

    void wallpaperCentred_data()
    {
        QTest::addColumn<QSize>("viewport");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QPoint>("origin");
        // (800 − 201) div 2 = 299, (600 − 101) div 2 = 249.
        QTest::newRow("smaller") << QSize(800, 600) << QSize(201, 101) << QPoint(299, 249);
        // (800 − 1001) div 2 = −100 (cut towards zero), (600 − 600) div 2 = 0.
        QTest::newRow("wider") << QSize(800, 600) << QSize(1001, 600) << QPoint(-100, 0);
    }
    void wallpaperCentred()
    {
        QFETCH(QSize, viewport);
        QFETCH(QSize, picture);
        QFETCH(QPoint, origin);
        QCOMPARE(WallpaperMdiArea::wallpaperOrigin(viewport, picture), origin);
    }

    // The wallpaper comes from the picture component: its own for an empty setting, else the
    // picture file the setting names.
    void wallpaperFromSettings()
    {
        Start s;
        QVERIFY(!s.create().mdiArea()->wallpaper().isNull());
        s.close();
        QImage picture(37, 23, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        const QString file = s.path(u"paper.png"_s);
        QVERIFY(picture.save(file));
        s.config->writeText(Configuration::UserInfoKey, u"BackGround"_s, file);
        QCOMPARE(s.create().mdiArea()->wallpaper().size(), QSize(37, 23));
    }

    // Qt's own dialog buttons speak the program's language.
    void qtDialogsInChinese()
    {
        QTranslator translator;
        if (!installQtChinese(*QCoreApplication::instance(), translator))
            QSKIP("the platform's translations of Qt are not installed");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"取消"_s);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Cancel"_s);
    }

    // The picture is painted centred, and stays centred when the area changes size.
    void wallpaperPainted()
    {
        WallpaperMdiArea area;
        QImage picture(20, 20, QImage::Format_RGB32);
        picture.fill(Qt::red);
        area.setWallpaper(picture);
        for (const QSize size : {QSize(200, 100), QSize(300, 240)}) {
            area.resize(size);
            const QImage shot = area.viewport()->grab().toImage();
            const QPoint centre(shot.width() / 2, shot.height() / 2);
            QCOMPARE(shot.pixelColor(centre), QColor(Qt::red));
            QVERIFY(shot.pixelColor(3, 3) != QColor(Qt::red));
        }
    }
};

QTEST_MAIN(TestMainWindowStart)
#include "tst_mainwindowstart.moc"
