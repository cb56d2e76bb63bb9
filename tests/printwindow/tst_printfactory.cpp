#include "printwindow/printwindow.h"

#include "mainwindow/mainwindowtesting.h"

#include <QApplication>
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
