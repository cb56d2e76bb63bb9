#include "printing/pagefromprinter.h"

#include "document/pagemodel.h"

#include <QTest>

using namespace qm;

class TestPageFromPrinter : public QObject
{
    Q_OBJECT

private slots:
    void withoutPrinterA4()
    {
        PageModel page;
        applyPrinterPage(page, std::nullopt);
        QCOMPARE(double(page.pageWidth()), 210.0);
        QCOMPARE(double(page.pageHeight()), 297.0);
        QCOMPARE(double(page.leftMargin()), 6.0);
        QCOMPARE(double(page.rightMargin()), 6.0);
        QCOMPARE(double(page.topMargin()), 6.0);
        QCOMPARE(double(page.bottomMargin()), 6.0);
    }

    void fromPrinter()
    {
        PrinterPage printer;
        printer.dpiX = 600;
        printer.dpiY = 300;
        printer.physicalWidth = 4960;
        printer.physicalHeight = 3508;
        printer.printableWidthMm = 200;
        printer.printableHeightMm = 287;
        PageModel page;
        applyPrinterPage(page, printer);
        const long double width = 4960 * 25.4L / 600;  // 209.97 mm
        const long double height = 3508 * 25.4L / 300; // 297.01 mm
        QCOMPARE(double(page.pageWidth()), double(width));
        QCOMPARE(double(page.pageHeight()), double(height));
        QCOMPARE(double(page.leftMargin()), double((width - 200) / 2));
        QCOMPARE(double(page.rightMargin()), double((width - 200) / 2));
        QCOMPARE(double(page.topMargin()), double((height - 287) / 2));
        QCOMPARE(double(page.bottomMargin()), double((height - 287) / 2));
    }
};

QTEST_GUILESS_MAIN(TestPageFromPrinter)
#include "tst_pagefromprinter.moc"
