// The export command's file dialog, Qt's own, driven as a user would: the kind's naming rule is
// applied to the typed name before the overwrite question, so the question names the file
// that will really be written.

#include "mainwindow/userdialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>

using namespace Qt::StringLiterals;
using namespace qm;

namespace {

// Types a name into the file dialog and presses Save, answers each overwrite question from
// the script, and cancels the dialog when it is still up after the questions ran out.
struct FileDialogUser {
    QString typed;
    std::deque<QMessageBox::StandardButton> answers;
    QStringList asked;
    QStringList filters;
    QString folder;
    bool previewShown = false;
    QString sizeShown;
    bool saved = false;
    QTimer timer;

    FileDialogUser(const QString &name, std::deque<QMessageBox::StandardButton> script)
        : typed(name), answers(std::move(script))
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] { step(); });
        timer.start();
    }

    void step()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            asked << box->text();
            const QMessageBox::StandardButton answer = answers.empty() ? QMessageBox::No : answers.front();
            if (!answers.empty())
                answers.pop_front();
            QAbstractButton *button = box->button(answer);
            (button ? button : box->buttons().constFirst())->click(); // a warning has OK alone
            return;
        }
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog)
            return;
        if (saved) { // a question said no: the dialog stays, the user gives up
            timer.stop();
            dialog->reject();
            return;
        }
        saved = true;
        filters = dialog->nameFilters();
        folder = dialog->directory().absolutePath();
        auto *preview = dialog->findChild<QLabel *>(u"preview"_s);
        previewShown = preview && preview->isVisible() && !preview->pixmap().isNull();
        sizeShown = dialog->findChild<QLabel *>(u"pictureSize"_s)->text();
        dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(typed);
        // Pressed from an event of its own: the question it may ask runs a loop of its own, in
        // which this timer has to fire again.
        QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog *>(dialog)->accept(); });
    }
};

void touch(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("old");
}

} // namespace

class TestExportFileDialog : public QObject
{
    Q_OBJECT

private slots:
    void overwriteQuestionNamesTheWrittenFile_data()
    {
        QTest::addColumn<ExportKind>("kind");
        QTest::addColumn<QString>("filter"); // Qt's form: "text|pattern" without "|pattern"
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("answers"); // QMessageBox::StandardButton
        QTest::addColumn<QStringList>("asked");  // the files the questions named
        QTest::addColumn<QString>("chosen");     // empty: cancelled
        QTest::addColumn<bool>("everyKind");     // a typed extension may switch to any kind

        const QString jpeg = u"JPEG压缩影像(*.jpg)"_s;
        const QList<int> yes{QMessageBox::Yes}, no{QMessageBox::No};
        QTest::newRow("a with a.jpg there") << ExportKind::Jpeg << jpeg << QStringList{u"a.jpg"_s} << u"a"_s << yes
                                            << QStringList{u"a.jpg"_s} << u"a.jpg"_s << false;
        QTest::newRow("a.png becomes a.jpg, which is there")
            << ExportKind::Jpeg << jpeg << QStringList{u"a.png"_s, u"a.jpg"_s} << u"a.png"_s << yes
            << QStringList{u"a.jpg"_s} << u"a.jpg"_s << false;
        QTest::newRow("a.png there, a.jpg not: nothing to ask")
            << ExportKind::Jpeg << jpeg << QStringList{u"a.png"_s} << u"a.png"_s << no << QStringList() << u"a.jpg"_s
            << false;
        QTest::newRow("no, then cancelled") << ExportKind::Jpeg << jpeg << QStringList{u"a.jpg"_s} << u"a"_s << no
                                            << QStringList{u"a.jpg"_s} << QString() << false;
        QTest::newRow("a.tif for TIFF asks about a.tiff")
            << ExportKind::Tiff << u"Tag影像(*.tiff)"_s << QStringList{u"a.tif"_s, u"a.tiff"_s} << u"a.tif"_s << yes
            << QStringList{u"a.tiff"_s} << u"a.tiff"_s << false;
        QTest::newRow("capital extension kept") << ExportKind::Bmp << u"Windows位图(*.bmp)"_s << QStringList{u"S.BMP"_s}
                                                << u"S.BMP"_s << yes << QStringList{u"S.BMP"_s} << u"S.BMP"_s << false;
        QTest::newRow("new file") << ExportKind::Emf << u"Windows矢量图(*.emf)"_s << QStringList() << u"seal"_s << no
                                  << QStringList() << u"seal.emf"_s << false;
        QTest::newRow("GIF") << ExportKind::Gif << u"CompuServe GIF(*.gif)"_s << QStringList() << u"seal.bmp"_s << no
                             << QStringList() << u"seal.gif"_s << false;
        // Offered every kind, the name's own kind is written, and asked about.
        QTest::newRow("a.png for JPEG is a PNG") << ExportKind::Jpeg << jpeg << QStringList{u"a.png"_s, u"a.jpg"_s}
                                                 << u"a.png"_s << yes << QStringList{u"a.png"_s} << u"a.png"_s << true;
        QTest::newRow("seal.bmp for GIF is a bitmap") << ExportKind::Gif << u"CompuServe GIF(*.gif)"_s << QStringList()
                                                      << u"seal.bmp"_s << no << QStringList() << u"seal.bmp"_s << true;
        QTest::newRow("every kind, a.tif for TIFF") << ExportKind::Tiff << u"Tag影像(*.tiff)"_s << QStringList()
                                                    << u"a.tif"_s << no << QStringList() << u"a.tiff"_s << true;
    }
    void overwriteQuestionNamesTheWrittenFile()
    {
        QFETCH(ExportKind, kind);
        QFETCH(QString, filter);
        QFETCH(QStringList, existing);
        QFETCH(QString, typed);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, asked);
        QFETCH(QString, chosen);
        QFETCH(bool, everyKind);
        QTemporaryDir dir;
        for (const QString &name : existing)
            touch(dir.filePath(name));
        QImage preview(60, 30, QImage::Format_RGB32);
        preview.fill(Qt::red);

        std::deque<QMessageBox::StandardButton> script;
        for (int a : answers)
            script.push_back(QMessageBox::StandardButton(a));
        FileDialogUser user(typed, script);
        QtUserDialogs dialogs;
        const QList<ExportKind> offered = everyKind ? offeredExportKinds(2) : QList<ExportKind>{kind};
        const ExportFileChoice result =
            dialogs.pictureFileName(nullptr, dir.path(), kind, offered, preview, QSize(316, 200));

        QCOMPARE(result.fileName, chosen.isEmpty() ? QString() : dir.filePath(chosen));
        if (!chosen.isEmpty())
            QCOMPARE(result.kind, *exportKindFromExtension(QFileInfo(chosen).suffix()));
        QStringList expectedQuestions;
        for (const QString &name : asked)
            expectedQuestions << u"“%1”已经存在。\n要替换它吗？"_s.arg(name);
        QCOMPARE(user.asked, expectedQuestions);
        QCOMPARE(user.filters, QStringList{filter});
        QCOMPARE(user.folder, QDir(dir.path()).absolutePath());
        QVERIFY(user.previewShown);
        QCOMPARE(user.sizeShown, u"316 × 200 像素"_s);
        for (const QString &name : existing) { // only a question answered yes lets a file go
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), QByteArray("old"));
        }
    }

    void missingFolderIsRefusedInTheDialog()
    {
        QTemporaryDir dir;
        FileDialogUser user(u"gone/seal"_s, {});
        QtUserDialogs dialogs;
        QCOMPARE(dialogs.pictureFileName(nullptr, dir.path(), ExportKind::Gif, {ExportKind::Gif}, QImage(), QSize())
                     .fileName,
                 QString());
        QCOMPARE(user.asked.size(), 1);
        QVERIFY(user.asked[0].startsWith(u"文件夹“"_s));
        QVERIFY(!user.previewShown); // nothing to show
        QVERIFY(user.sizeShown.isEmpty());
    }
};

QTEST_MAIN(TestExportFileDialog)
#include "tst_exportfiledialog.moc"
