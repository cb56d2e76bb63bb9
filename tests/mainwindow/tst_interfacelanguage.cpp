// The interface language: which one a setting and the system choose, the English catalogue
// complete and in step with the sources, and the menus in English where the system speaks it.
// CTest runs this test with LANG=en_US.UTF-8.

#include "mainwindowtesting.h"

#include "controls/tabbutton.h"
#include "mainwindow/interfacelanguage.h"

#include <QAction>
#include <QFile>
#include <QFontMetrics>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <set>

using namespace Qt::StringLiterals;
using namespace qm;

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // the translation's type attribute: "unfinished", "vanished", … or empty
};

// The text of the element the reader stands on; <byte value="xd"/> is how Linguist keeps a
// carriage return.
QString elementText(QXmlStreamReader &xml)
{
    QString text;
    const QString name = xml.name().toString();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == u"byte"_s)
            text += QChar(xml.attributes().value(u"value"_s).mid(1).toUInt(nullptr, 16));
        else if (xml.isEndElement() && xml.name() == name)
            break;
    }
    return text;
}

std::vector<Message> readCatalogue(const QString &fileName, QString *error)
{
    std::vector<Message> messages;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name"_s) {
            context = elementText(xml);
        } else if (xml.name() == u"message"_s) {
            messages.push_back({context, {}, {}, {}});
        } else if (xml.name() == u"source"_s && !messages.empty()) {
            messages.back().source = elementText(xml);
        } else if (xml.name() == u"translation"_s && !messages.empty()) {
            messages.back().type = xml.attributes().value(u"type"_s).toString();
            messages.back().translation = elementText(xml);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

std::set<std::pair<QString, QString>> keysOf(const std::vector<Message> &messages)
{
    std::set<std::pair<QString, QString>> keys;
    for (const Message &m : messages)
        keys.insert({m.context, m.source});
    return keys;
}

// The places a text's arguments go: "%1", "%2" …, each as often as it appears.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(u"%\\d"_s);
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    return found;
}

const QString Catalogue = QStringLiteral(QM_SOURCE_DIR "/translations/quillmark_en.ts");

QStringList menuTitles(const MainWindow &w)
{
    QStringList titles;
    for (const QAction *a : w.menuBar()->actions())
        titles.append(a->text());
    return titles;
}

} // namespace

class TestInterfaceLanguage : public QObject
{
    Q_OBJECT

private slots:
    void choice_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<bool>("english");
        const QStringList english{u"en-US"_s, u"en-Latn-US"_s, u"en"_s};
        const QStringList chinese{u"zh-CN"_s, u"zh-Hans-CN"_s, u"zh"_s};
        QTest::newRow("system, English") << u"system"_s << english << true;
        QTest::newRow("system, British") << u"system"_s << QStringList{u"en-GB"_s} << true;
        QTest::newRow("system, Chinese") << u"system"_s << chinese << false;
        QTest::newRow("system, C locale") << u"system"_s << QStringList{u"C"_s} << false;
        QTest::newRow("system, none") << u"system"_s << QStringList() << false;
        QTest::newRow("system, German first") << u"system"_s << QStringList{u"de"_s, u"en"_s} << false;
        QTest::newRow("missing, English") << QString() << english << true;
        QTest::newRow("unknown, English") << u"fr"_s << english << true;
        QTest::newRow("zh_CN, English system") << u"zh_CN"_s << english << false;
        QTest::newRow("en, Chinese system") << u"en"_s << chinese << true;
        QTest::newRow("en, C locale") << u"en"_s << QStringList{u"C"_s} << true;
    }
    void choice()
    {
        QFETCH(QString, setting);
        QFETCH(QStringList, uiLanguages);
        QFETCH(bool, english);
        QCOMPARE(chooseInterfaceLanguage(setting, uiLanguages) == InterfaceLanguage::English, english);
    }

    // Every message has a finished translation that keeps its arguments.
    void catalogueComplete()
    {
        QString error;
        const std::vector<Message> messages = readCatalogue(Catalogue, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(messages.size() > 400);
        for (const Message &m : messages) {
            const QByteArray where = (m.context + u": "_s + m.source).toUtf8();
            QVERIFY2(m.type.isEmpty(), where.constData());
            QVERIFY2(!m.translation.trimmed().isEmpty(), where.constData());
            QVERIFY2(placeholders(m.translation) == placeholders(m.source), where.constData());
            // A hint's short and long parts.
            QVERIFY2(m.translation.count(u'|') == m.source.count(u'|'), where.constData());
        }
    }

    // A text added to the sources without a translation shows up here: lupdate finds the same
    // texts in the sources as the catalogue holds.
    void catalogueMatchesSources()
    {
#ifndef QM_LUPDATE
        QSKIP("lupdate is not installed");
#else
        QTemporaryDir dir;
        const QString fresh = dir.filePath(u"fresh.ts"_s);
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(QM_SOURCE_DIR));
        lupdate.start(QStringLiteral(QM_LUPDATE), {u"src"_s, u"app/quillmark"_s, u"-extensions"_s, u"cpp,h"_s,
                                                   u"-locations"_s, u"none"_s, u"-silent"_s, u"-ts"_s, fresh});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        QString error;
        const auto found = keysOf(readCatalogue(fresh, &error));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const auto shipped = keysOf(readCatalogue(Catalogue, &error));
        for (const auto &key : found)
            QVERIFY2(shipped.count(key), qPrintable(u"not in the catalogue: "_s + key.first + u": "_s + key.second));
        for (const auto &key : shipped)
            QVERIFY2(found.count(key), qPrintable(u"no longer in the sources: "_s + key.first + u": "_s + key.second));
#endif
    }

    // The system speaks English here: without a setting the menus are English, and the setting
    // "zh_CN" keeps them Chinese.
    void menusFollowTheLanguage()
    {
        QVERIFY2(QLocale::system().uiLanguages().value(0).startsWith(u"en"_s), "run with LANG=en_US.UTF-8");
        InterfaceTranslators translators;
        {
            Start s;
            const InterfaceLanguage language =
                chooseInterfaceLanguage(s.config->interfaceLanguage(), QLocale::system().uiLanguages());
            QCOMPARE(language, InterfaceLanguage::English);
            QVERIFY(translators.install(*QCoreApplication::instance(), language));
            MainWindow &w = s.create();
            QCOMPARE(menuTitles(w), (QStringList{u"&File"_s, u"&Edit"_s, u"Librar&y"_s, u"&View"_s, u"&Draw"_s,
                                                 u"&Tools"_s, u"&Window"_s, u"&Help"_s}));
            QCOMPARE(w.action(u"actFileNew"_s)->text(), u"&New"_s);
            QCOMPARE(w.action(u"actFileOpen"_s)->text(), u"&Open…"_s);
            QCOMPARE(w.action(u"actEditCopy"_s)->text(), u"&Copy"_s);
            QCOMPARE(w.action(u"actDrawGZh"_s)->text(), u"&Round Official Seal"_s);
            QCOMPARE(w.findChild<QMenu *>(u"LanguageMenu"_s)->title(), u"Lan&guage / 界面语言"_s);
            // The longer English captions of the side tabs still fit beside their slanted edge.
            w.layOutBars();
            for (const TabButton *tab : {w.emblemTab(), w.libraryTab()}) {
                QFont bold = tab->font();
                bold.setBold(true);
                QVERIFY(tab->width() - tab->height() >= QFontMetrics(bold).horizontalAdvance(tab->caption()));
            }
        }
        translators.remove();
        {
            Start s;
            s.config->setInterfaceLanguage(u"zh_CN"_s);
            const InterfaceLanguage language =
                chooseInterfaceLanguage(s.config->interfaceLanguage(), QLocale::system().uiLanguages());
            QCOMPARE(language, InterfaceLanguage::Chinese);
            translators.install(*QCoreApplication::instance(), language); // Qt's own texts, if installed
            MainWindow &w = s.create();
            QCOMPARE(menuTitles(w).value(0), u"文件(&F)"_s);
            QCOMPARE(w.action(u"actFileNew"_s)->text(), u"新建(&N)"_s);
        }
    }

    // The choice is kept in the settings and says that it applies at the next start; the
    // running interface keeps its language.
    void languageMenuKeepsTheChoice()
    {
        Start s;
        MainWindow &w = s.create();
        auto *menu = w.findChild<QMenu *>(u"LanguageMenu"_s);
        QVERIFY(menu);
        auto *system = w.findChild<QAction *>(u"actToolsLanguageSystem"_s);
        auto *chinese = w.findChild<QAction *>(u"actToolsLanguageChinese"_s);
        auto *english = w.findChild<QAction *>(u"actToolsLanguageEnglish"_s);
        QVERIFY(system && chinese && english);
        QVERIFY(system->isChecked());
        QCOMPARE(english->text(), u"English"_s);

        english->trigger();
        QCOMPARE(s.config->readText(u"Desktop"_s, u"Language"_s), u"en"_s);
        QVERIFY(english->isChecked() && !system->isChecked());
        QCOMPARE(s.dialogs.messages.size(), size_t(1));
        QCOMPARE(s.dialogs.messages.back().icon, QMessageBox::Information);
        QCOMPARE(menuTitles(w).value(0), u"文件(&F)"_s);

        english->trigger(); // no change, no word
        QCOMPARE(s.dialogs.messages.size(), size_t(1));
        chinese->trigger();
        QCOMPARE(s.config->interfaceLanguage(), u"zh_CN"_s);
        QCOMPARE(s.dialogs.messages.size(), size_t(2));

        // A later start shows the stored choice checked.
        s.close();
        QVERIFY(s.create().findChild<QAction *>(u"actToolsLanguageChinese"_s)->isChecked());
    }
};

QTEST_MAIN(TestInterfaceLanguage)
#include "tst_interfacelanguage.moc"
