// The dialog component through its loader: loaded by absolute path for each use and unloaded
// afterwards, the exact messages of a library that cannot be loaded, a missing entry that does
// nothing, and the helper that keeps the error out of the event loop.

#include "companions/dialogpack/dialogpackentries.h"
#include "companions/dialogpackloader.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

// Whether the process has the library mapped, to see that each use unloads it.
bool mapped(const QString &libraryPath)
{
    QFile maps(u"/proc/self/maps"_s);
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains(QFileInfo(libraryPath).canonicalFilePath().toUtf8());
}

// A copy that owns its characters: a literal of the library lives in the library's memory,
// which is gone once the loader unloads it.
QString deepCopy(const QString &s)
{
    return QString(s.constData(), s.size());
}

// Closes the dialog that the library shows modally, once it is up, and records it.
struct DialogCloser {
    QString objectName;
    QString title;
    QWidget *parent = nullptr;
    QStringList unnamed; // visible controls without an accessible name
    bool libraryMapped = false;
    QTimer timer;

    explicit DialogCloser(const QString &libraryPath)
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this, libraryPath] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            objectName = deepCopy(dialog->objectName());
            title = deepCopy(dialog->windowTitle());
            parent = dialog->parentWidget();
            libraryMapped = mapped(libraryPath);
            for (QWidget *w : dialog->findChildren<QWidget *>()) {
                QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
                // Containers and the scroll bars inside a named view need no name of their own.
                const bool part = a && (a->role() == QAccessible::Grouping || a->role() == QAccessible::Client ||
                                        a->role() == QAccessible::ScrollBar);
                if (w->isVisible() && a && !part && a->text(QAccessible::Name).isEmpty())
                    unnamed << QString::fromLatin1(w->metaObject()->className());
            }
            timer.stop();
            dialog->reject();
        });
        timer.start();
    }
};

QString messageOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const qm::ComponentLoadError &error) {
        return error.message();
    }
    return u"(nothing raised)"_s;
}

} // namespace

class TestDialogPack : public QObject
{
    Q_OBJECT

private slots:
    void defaultFolderHoldsTheLibrary()
    {
        // The tests run from the build tree: the library is found in its lib folder, beside
        // the picture component.
        QCOMPARE(QFileInfo(qm::DialogPackLoader::defaultFolder()).canonicalFilePath(),
                 QFileInfo(QStringLiteral(QM_DIALOGPACK_DIR)).canonicalFilePath());
    }

    void dialogsShowOverTheirOwner_data()
    {
        QTest::addColumn<bool>("help");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("title");
        QTest::newRow("about") << false << u"AboutBox"_s << u"关于 Quillmark"_s;
        QTest::newRow("help") << true << u"HelpWindow"_s << u"Quillmark 帮助"_s;
    }
    void dialogsShowOverTheirOwner()
    {
        QFETCH(bool, help);
        QFETCH(QString, objectName);
        QFETCH(QString, title);
        const qm::DialogPackLoader loader(QStringLiteral(QM_DIALOGPACK_DIR));
        QWidget owner;
        owner.show();
        DialogCloser closer(loader.libraryPath());
        const bool ok = qm::catchComponentLoadError(
            &owner, [&] { help ? loader.showHelpWindow(&owner) : loader.showAboutBox(&owner); },
            [](QWidget *, const QString &message) { QFAIL(qPrintable(message)); });
        QVERIFY(ok);
        QCOMPARE(closer.objectName, objectName);
        QCOMPARE(closer.title, title);
        QCOMPARE(closer.parent, &owner);
        QVERIFY2(closer.unnamed.isEmpty(), qPrintable(closer.unnamed.join(u", "_s)));
        QVERIFY(closer.libraryMapped); // loaded for the call, gone afterwards
        QVERIFY(!mapped(loader.libraryPath()));
    }

    void unloadedAlsoWhenTheCallThrows()
    {
        const qm::DialogPackLoader loader(QStringLiteral(QM_DIALOGPACK_DIR));
        bool called = false;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, loader.callEntry<qm::dialogpack::ShowAboutBoxEntry>(
                                                         qm::dialogpack::ShowAboutBoxName, u"-"_s, [&](auto) {
                                                             called = true;
                                                             throw std::runtime_error("dialog failed");
                                                         }));
        QVERIFY(called);
        QVERIFY(!mapped(loader.libraryPath()));
    }

    void unloadableLibraryRaisesItsMessage_data()
    {
        QTest::addColumn<QString>("setup"); // what stands where the library should be
        QTest::addColumn<bool>("help");
        QTest::addColumn<QString>("message");
        for (const QString &setup : {u"nothing"_s, u"garbage file"_s, u"folder"_s, u"missing folder"_s}) {
            QTest::newRow(qPrintable(setup + u", about"_s)) << setup << false << u"该资源已缺失！"_s;
            QTest::newRow(qPrintable(setup + u", help"_s)) << setup << true << u"帮助资源缺失！"_s;
        }
    }
    void unloadableLibraryRaisesItsMessage()
    {
        QFETCH(QString, setup);
        QFETCH(bool, help);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString target = dir.filePath(qm::DialogPackLoader::libraryFileName());
        QString folder = dir.path();
        if (setup == u"garbage file"_s) {
            QFile f(target);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("\x7f"
                    "ELF not really a library");
        } else if (setup == u"folder"_s) {
            QVERIFY(QDir().mkpath(target));
        } else if (setup == u"missing folder"_s) {
            folder = dir.filePath(u"gone"_s);
        }
        const qm::DialogPackLoader loader(folder);
        QWidget owner;
        QCOMPARE(messageOf([&] { help ? loader.showHelpWindow(&owner) : loader.showAboutBox(&owner); }), message);

        // Through the helper the message reaches the error box, not the event loop.
        QStringList shown;
        QWidget *shownOver = nullptr;
        const bool ok = qm::catchComponentLoadError(
            &owner, [&] { help ? loader.showHelpWindow(&owner) : loader.showAboutBox(&owner); },
            [&](QWidget *parent, const QString &text) {
                shownOver = parent;
                shown << text;
            });
        QVERIFY(!ok);
        QCOMPARE(shown, QStringList{message});
        QCOMPARE(shownOver, &owner);
    }

    void missingEntryDoesNothing()
    {
        // The stand-in exports ShowAboutBox only.
        const qm::DialogPackLoader loader(QStringLiteral(QM_STUB_DIALOGPACK_DIR));
        QWidget owner;
        loader.showHelpWindow(&owner); // no dialog to wait for, no error
        QVERIFY(!owner.property("stubAboutShown").isValid());
        QVERIFY(!mapped(loader.libraryPath()));
        loader.showAboutBox(&owner);
        QCOMPARE(owner.property("stubAboutShown"), QVariant(true));
        QVERIFY(!mapped(loader.libraryPath()));
        QVERIFY(!loader.callEntry<qm::dialogpack::ShowHelpEntry>(qm::dialogpack::ShowHelpName, u"-"_s,
                                                                 [](auto) { QFAIL("not exported"); }));
    }
};

QTEST_MAIN(TestDialogPack)
#include "tst_dialogpack.moc"
