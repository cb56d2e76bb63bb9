// The layers stay apart: the pictures, the model, formats and export never include widgets,
// dialogs or the printer service, and a lower layer never includes a higher one. Checked on
// the sources, subfolders included.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString sourceRoot()
{
    return QStringLiteral(QM_SOURCE_DIR);
}

// Every #include in the folder's .h/.cpp files and those of its subfolders, as "file: header".
QStringList includes(const QString &folder)
{
    QStringList out;
    const QDir root(sourceRoot());
    static const QRegularExpression include(u"^\\s*#\\s*include\\s*[<\"]([^>\"]+)[>\"]"_s,
                                            QRegularExpression::MultilineOption);
    QDirIterator it(root.filePath(folder), {u"*.h"_s, u"*.cpp"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(f.readAll());
        for (auto match = include.globalMatch(text); match.hasNext();)
            out.append(root.relativeFilePath(path) + u": "_s + match.next().captured(1));
    }
    return out;
}

// Headers of the widget and printer modules, by module or by class.
const QRegularExpression &widgetHeader()
{
    static const QRegularExpression re(
        u": (QtWidgets|QtPrintSupport)\\b|: Q(\\w*Widget|\\w*Dialog|Graphics\\w*|UndoView|MessageBox|Application|"
        u"MainWindow|ScrollArea|Label|PushButton|Menu|MenuBar|ToolBar|StatusBar|Printer|PrinterInfo|"
        u"AbstractButton|LineEdit|SpinBox|DoubleSpinBox|ComboBox|CheckBox)\\b"_s);
    return re;
}

// The project's own folders under src/: an include that starts with one of them is ours.
QStringList projectRoots()
{
    const QDir src(sourceRoot() + u"/src"_s);
    QStringList roots;
    for (const QString &name : src.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        roots.append(name + u'/');
    return roots;
}

bool startsWithAny(const QString &header, const QStringList &roots)
{
    return std::any_of(roots.begin(), roots.end(), [&](const QString &root) { return header.startsWith(root); });
}

} // namespace

class TestLayering : public QObject
{
    Q_OBJECT

private slots:
    // The checker itself: what it must catch and what it must let through.
    void widgetHeaderPattern_data()
    {
        QTest::addColumn<QString>("header");
        QTest::addColumn<bool>("widget");
        for (const QString &h : {u"QtWidgets"_s, u"QtWidgets/QWidget"_s, u"QtPrintSupport"_s, u"QDockWidget"_s,
                                 u"QColorDialog"_s, u"QGraphicsScene"_s, u"QUndoView"_s, u"QApplication"_s,
                                 u"QPrinter"_s, u"QFileDialog"_s, u"QScrollArea"_s})
            QTest::newRow(qPrintable(h)) << h << true;
        // Qt Gui holds the undo stack, actions, the painter and the GUI application object.
        for (const QString &h : {u"QtGui"_s, u"QGuiApplication"_s, u"QUndoStack"_s, u"QUndoCommand"_s, u"QPainter"_s,
                                 u"QAction"_s, u"QtGui/QImage"_s, u"QPageLayout"_s, u"seal/seal.h"_s})
            QTest::newRow(qPrintable(h)) << h << false;
    }
    void widgetHeaderPattern()
    {
        QFETCH(QString, header);
        QFETCH(bool, widget);
        QCOMPARE(widgetHeader().match(u"src/x.cpp: "_s + header).hasMatch(), widget);
    }

    void widgetFree_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("allowedRoots");
        QTest::newRow("picture") << u"src/picture"_s << QStringList{u"picture/"_s};
        QTest::newRow("seal") << u"src/seal"_s << QStringList{u"picture/"_s, u"seal/"_s};
        QTest::newRow("document") << u"src/document"_s << QStringList{u"picture/"_s, u"seal/"_s, u"document/"_s};
        QTest::newRow("export") << u"src/export"_s
                                << QStringList{u"picture/"_s, u"seal/"_s, u"document/"_s, u"export/"_s};
        QTest::newRow("pdfstamp") << u"src/pdfstamp"_s
                                  << QStringList{u"picture/"_s, u"seal/"_s, u"document/"_s, u"export/"_s,
                                                 u"pdfstamp/"_s};
        QTest::newRow("picture component")
            << u"src/companions/glyphdepot"_s << QStringList{u"picture/"_s, u"companions/glyphdepot/"_s};
        QTest::newRow("cli") << u"app/quillmark-cli"_s
                             << QStringList{u"picture/"_s, u"seal/"_s, u"document/"_s, u"export/"_s, u"pdfstamp/"_s};
    }
    void widgetFree()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, allowedRoots);
        const QStringList roots = projectRoots();
        QVERIFY(roots.contains(u"picture/"_s));
        const QStringList found = includes(folder);
        QVERIFY2(!found.isEmpty(), qPrintable(folder));
        for (const QString &line : found) {
            QVERIFY2(!widgetHeader().match(line).hasMatch(), qPrintable(line));
            const QString header = line.section(u": "_s, 1);
            if (startsWithAny(header, roots))
                QVERIFY2(startsWithAny(header, allowedRoots), qPrintable(line));
        }
    }

    // Widget folders may use widgets, but only the layers below them: never the program. The
    // controls and companion components sit under the windows, so they never reach the page.
    void widgetLayer_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("allowedRoots");
        QTest::newRow("page") << u"src/page"_s
                              << QStringList{u"picture/"_s,  u"seal/"_s,       u"document/"_s, u"printing/"_s,
                                             u"controls/"_s, u"companions/"_s, u"page/"_s};
        QTest::newRow("controls") << u"src/controls"_s
                                  << QStringList{u"picture/"_s, u"seal/"_s, u"document/"_s, u"controls/"_s};
        QTest::newRow("companions") << u"src/companions"_s
                                    << QStringList{u"picture/"_s, u"seal/"_s, u"document/"_s, u"companions/"_s};
        QTest::newRow("library") << u"src/library"_s << QStringList{u"picture/"_s,  u"seal/"_s,       u"document/"_s,
                                                                    u"controls/"_s, u"companions/"_s, u"library/"_s};
        QTest::newRow("properties") << u"src/properties"_s
                                    << QStringList{u"picture/"_s, u"seal/"_s, u"document/"_s, u"controls/"_s,
                                                   u"properties/"_s};
        QTest::newRow("printing") << u"src/printing"_s
                                  << QStringList{u"picture/"_s, u"seal/"_s, u"document/"_s, u"printing/"_s};
        QTest::newRow("print window") << u"src/printwindow"_s
                                      << QStringList{u"picture/"_s,  u"seal/"_s,       u"document/"_s,
                                                     u"printing/"_s, u"controls/"_s,   u"companions/"_s,
                                                     u"page/"_s,     u"printwindow/"_s};
        QTest::newRow("pdf window") << u"src/pdfwindow"_s
                                    << QStringList{u"picture/"_s, u"seal/"_s,     u"document/"_s,
                                                   u"export/"_s,  u"pdfstamp/"_s, u"pdfwindow/"_s};
        QTest::newRow("mainwindow") << u"src/mainwindow"_s
                                    << QStringList{u"picture/"_s,   u"seal/"_s,        u"document/"_s, u"printing/"_s,
                                                   u"controls/"_s,  u"companions/"_s,  u"page/"_s,     u"properties/"_s,
                                                   u"export/"_s,    u"printwindow/"_s, u"library/"_s,  u"pdfwindow/"_s,
                                                   u"mainwindow/"_s};
    }
    void widgetLayer()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, allowedRoots);
        const QStringList roots = projectRoots();
        QVERIFY(roots.contains(folder.section(u'/', 1, 1) + u'/'));
        const QStringList found = includes(folder);
        QVERIFY2(!found.isEmpty(), qPrintable(folder));
        const QDir program(sourceRoot() + u"/app/quillmark"_s);
        for (const QString &line : found) {
            const QString header = line.section(u": "_s, 1);
            QVERIFY2(!header.startsWith(u"app/"_s) && !program.exists(header), qPrintable(line));
            if (startsWithAny(header, roots))
                QVERIFY2(startsWithAny(header, allowedRoots), qPrintable(line));
        }
    }
};

QTEST_GUILESS_MAIN(TestLayering)
#include "tst_layering.moc"
