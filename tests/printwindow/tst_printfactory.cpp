#include "printwindow/printwindow.h"

#include "controls/statusbar.h"
#include "mainwindow/mainwindowtesting.h"
#include "testing/modaldialogdriver.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

using namespace qm;

class TestPrintFactory : public QObject
{
    Q_OBJECT

private slots:
    // The print and preview commands open the print window over the active document.
    void mainWindowOpensPrintWindow_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::newRow("print") << false;
        QTest::newRow("preview") << true;
    }
    void mainWindowOpensPrintWindow()
    {
        QFETCH(bool, preview);
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        QVERIFY(w.activeDocument());
        addSeal(*w.activeDocument());
        int opened = 0;
        bool previewMode = !preview;
        bool lent = false;
        bool mainHidden = false;
        QTimer::singleShot(0, &w, [&] {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (auto *print = qobject_cast<PrintWindow *>(top); print && print->isVisible()) {
                    ++opened;
                    previewMode = print->isPreview();
                    lent = print->previewPage() && print->sealsLent();
                    mainHidden = !w.isVisible();
                    print->reject();
                }
            }
        });
        w.openPrintWindow(preview);
        QCOMPARE(opened, 1);
        QCOMPARE(previewMode, preview);
        QVERIFY(lent);
        QVERIFY(mainHidden);
        QVERIFY(w.isVisible());
    }

    // Print to PDF from the main window: the component's print options first, then the file
    // dialog in the folder of exported pictures with the document's name, and the status bar
    // names the file written.
    void pdfFromTheMainWindow()
    {
        Start s;
        s.options.dialogFolder = QStringLiteral(QM_DIALOGPACK_DIR);
        MainWindow &w = s.show();
        w.fileNew();
        addSeal(*w.activeDocument());
        s.dialogs.files.push_back(s.path(QStringLiteral("seal")));
        QString options;
        QString status;
        QTimer::singleShot(0, &w, [&] {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (auto *print = qobject_cast<PrintWindow *>(top); print && print->isVisible()) {
                    qm::testing::DialogDriver ok({}, true);
                    print->printToPdf();
                    options = ok.objectName;
                    status = print->statusPanelBar()->panelText(2);
                    print->reject();
                }
            }
        });
        w.openPrintWindow(false);
        QCOMPARE(options, QStringLiteral("PrintOptions"));
        const QString exports = w.workFolder(QStringLiteral("我的导出图象"));
        QCOMPARE(s.dialogs.saveRequests.size(), size_t(1));
        QCOMPARE(s.dialogs.saveRequests[0].folder, exports);
        QCOMPARE(s.dialogs.saveRequests[0].proposed, exports + QStringLiteral("文件1.pdf"));
        const QString pdf = s.path(QStringLiteral("seal.pdf"));
        QVERIFY(QFileInfo(pdf).size() > 0);
        QCOMPARE(status, QStringLiteral("已打印到PDF文件：") + pdf);
    }

    void withoutDocumentNothingOpens()
    {
        Start s;
        MainWindow &w = s.show();
        QVERIFY(!w.activeDocument());
        w.openPrintWindow(false);
        QVERIFY(w.isVisible());
        for (QWidget *top : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<PrintWindow *>(top));
    }
};

QTEST_MAIN(TestPrintFactory)
#include "tst_printfactory.moc"
