// The layers stay apart: the model, formats and export never include widgets, dialogs or the
// printer service, and a lower layer never includes a higher one. Checked on the sources.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Every #include in the folder's own .h/.cpp files (not its subfolders), as "file: header".
QStringList includes(const QString &folder)
{
    QStringList out;
    const QDir dir(QStringLiteral(QM_SOURCE_DIR) + u'/' + folder);
    static const QRegularExpression include(u"^\\s*#\\s*include\\s*[<\"]([^>\"]+)[>\"]"_s,
                                            QRegularExpression::MultilineOption);
    for (const QString &name : dir.entryList({u"*.h"_s, u"*.cpp"_s}, QDir::Files)) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(f.readAll());
        for (auto it = include.globalMatch(text); it.hasNext();)
            out.append(folder + u'/' + name + u": "_s + it.next().captured(1));
    }
    return out;
}

const QRegularExpression &widgetHeader()
{
    static const QRegularExpression re(
        u": (QtWidgets/|QtPrintSupport/)|: Q(Widget|Dialog|MessageBox|Application|MainWindow|ScrollArea|Label|"
        u"PushButton|FileDialog|Menu|MenuBar|ToolBar|StatusBar|Printer|PrinterInfo|PrintDialog|PrintPreviewDialog|"
        u"AbstractButton|LineEdit|SpinBox|ComboBox)\\b"_s);
    return re;
}

} // namespace

class TestLayering : public QObject
{
    Q_OBJECT

private slots:
    void widgetFree_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("allowedRoots");
        QTest::newRow("seal") << u"src/seal"_s << QStringList{u"seal/"_s};
        QTest::newRow("functionlib") << u"src/shell/functionlib"_s
                                     << QStringList{u"seal/"_s, u"shell/functionlib/"_s};
        QTest::newRow("document") << u"src/document"_s
                                  << QStringList{u"seal/"_s, u"shell/functionlib/"_s, u"document/"_s};
        QTest::newRow("export") << u"src/shell/export"_s
                                << QStringList{u"seal/"_s, u"shell/functionlib/"_s, u"document/"_s,
                                               u"shell/export/"_s};
        QTest::newRow("cli") << u"app/quillmark-cli"_s
                             << QStringList{u"seal/"_s, u"shell/functionlib/"_s, u"document/"_s,
                                            u"shell/export/"_s};
    }
    void widgetFree()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, allowedRoots);
        const QStringList found = includes(folder);
        QVERIFY2(!found.isEmpty(), qPrintable(folder));
        for (const QString &line : found) {
            QVERIFY2(!widgetHeader().match(line).hasMatch(), qPrintable(line));
            const QString header = line.section(u": "_s, 1);
            if (!header.contains(u'/') || header.startsWith(u"Qt"_s))
                continue; // system, library and Qt headers
            const bool project = header.startsWith(u"seal/"_s) || header.startsWith(u"document/"_s)
                                 || header.startsWith(u"shell/"_s);
            if (!project)
                continue;
            const bool allowed = std::any_of(allowedRoots.begin(), allowedRoots.end(),
                                             [&](const QString &root) { return header.startsWith(root); });
            QVERIFY2(allowed, qPrintable(line));
        }
    }
};

QTEST_GUILESS_MAIN(TestLayering)
#include "tst_layering.moc"
