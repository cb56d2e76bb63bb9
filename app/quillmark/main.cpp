// Quillmark: the splash, the main window, and a document named on the command line.
// `--screenshot FILE` saves what the main window shows and quits, answering every question
// with No: the GUI smoke run of the tests. `--palette-screenshots DRAWING SEALS` does the same
// for the drawing tools palette, once with each set of buttons.
//
// Tests of autosave and recovery drive the program through the environment: QM_AUTOSAVE_SECONDS
// sets the interval, QM_RECOVERY_ANSWER (open, keep, discard) answers the recovery dialog,
// QM_TEST_EDIT moves the seals of the document 1 mm to the right as one undo step, and
// QM_TEST_SAVE_AND_QUIT saves every document that has a file, then quits.

#include "companions/dialogpackloader.h"
#include "companions/glyphdepot/glyphdepot.h"
#include "document/sealdocument.h"
#include "mainwindow/autosave.h"
#include "mainwindow/configuration.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/quillmarkapplication.h"
#include "mainwindow/recoverydialog.h"
#include "mainwindow/splashwindow.h"
#include "mainwindow/toolpalette.h"
#include "mainwindow/userdialogs.h"
#include "page/documentwindow.h"

#include <QDir>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    qm::QuillmarkApplication app(argc, argv);

    QStringList args = app.arguments();
    args.removeFirst();
    QString screenshot;
    if (const qsizetype at = args.indexOf(u"--screenshot"_s); at >= 0) {
        if (at + 1 >= args.size()) {
            std::fputs("usage: quillmark [FILE.dyz] [--screenshot OUT.png]\n", stderr);
            return 2;
        }
        screenshot = args.at(at + 1);
        args.remove(at, 2);
    }
    QString paletteShots[2];
    if (const qsizetype at = args.indexOf(u"--palette-screenshots"_s); at >= 0) {
        if (at + 2 >= args.size()) {
            std::fputs("usage: quillmark --palette-screenshots DRAWING.png SEALS.png\n", stderr);
            return 2;
        }
        paletteShots[0] = args.at(at + 1);
        paletteShots[1] = args.at(at + 2);
        args.remove(at, 3);
    }
    const bool unattended = !screenshot.isEmpty() || !paletteShots[0].isEmpty();

    // The language is chosen once, before any window shows; a change applies at the next start.
    qm::Configuration configuration;
    app.useLanguage(qm::chooseInterfaceLanguage(configuration.interfaceLanguage(), QLocale::system().uiLanguages()));

    qm::GifPicture splashPicture;
    qm::LoadAPicture(splashPicture, u"Splash"_s);
    qm::SplashWindow splash(splashPicture.image());
    splash.show();
    splash.repaint();

    std::unique_ptr<qm::UserDialogs> dialogs;
    if (unattended) {
        dialogs = std::make_unique<qm::UnattendedDialogs>();
    } else {
        auto desktop = std::make_unique<qm::QtUserDialogs>();
        desktop->setStepAside(&splash);
        dialogs = std::move(desktop);
    }
    app.setDialogs(dialogs.get());

    qm::MainWindowOptions options;
    options.dialogs = dialogs.get();
    options.configuration = &configuration;
    options.dialogFolder = qm::DialogPackLoader::defaultFolder();
    options.dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    options.arguments = args;
    // Each stage stays long enough to be read; an unattended run does not wait.
    const int pause = unattended ? 0 : 150;
    options.splashStage = [&splash, pause](const QString &stage) { splash.showSplashStage(pause, stage); };

    qm::MainWindow window(options);
    splash.close();
    if (window.terminateRequested())
        return 0;

    if (!unattended) {
        window.showMaximized();
        qm::AutosaveOptions autosaveOptions;
        autosaveOptions.recoveryFolder = QDir(options.dataFolder).filePath(u"recovery"_s);
        autosaveOptions.interval = std::chrono::minutes(configuration.autosaveMinutes());
        bool testSeconds = false;
        if (const int seconds = qEnvironmentVariableIntValue("QM_AUTOSAVE_SECONDS", &testSeconds); testSeconds)
            autosaveOptions.interval = std::chrono::seconds(seconds);
        autosaveOptions.askRecovery = &qm::RecoveryDialog::ask;
        if (const QString answer = qEnvironmentVariable("QM_RECOVERY_ANSWER"); !answer.isEmpty()) {
            const auto choice = answer == u"open"_s      ? qm::RecoveryChoice::Open
                                : answer == u"discard"_s ? qm::RecoveryChoice::Discard
                                                         : qm::RecoveryChoice::Keep;
            autosaveOptions.askRecovery = [choice](QWidget *, const std::vector<qm::RecoverableCopy> &copies) {
                return std::vector<qm::RecoveryChoice>(copies.size(), choice);
            };
        }
        qm::Autosave autosave(window, *dialogs, std::move(autosaveOptions));
        auto started = [&] {
            autosave.offerRecovery();
            if (qEnvironmentVariableIsSet("QM_TEST_EDIT")) {
                if (qm::DocumentWindow *child = window.activeDocument()) {
                    qm::SealDocument &doc = child->document();
                    qm::SealSelection all;
                    for (const auto &seal : doc.seals())
                        all.push_back(seal.get());
                    doc.setSelection(all);
                    doc.nudgeSelection(1, 0, true);
                    doc.endMerge();
                }
            }
            if (qEnvironmentVariableIsSet("QM_TEST_SAVE_AND_QUIT")) {
                for (qm::DocumentWindow *child : window.documentWindows())
                    if (!qm::MainWindow::isUntitled(qm::MainWindow::caption(child)))
                        window.saveChild(*child);
                app.quit();
            }
        };
        // Recovery and the test hooks come once the command line's documents are there.
        if (window.isOpening())
            QObject::connect(&window, &qm::MainWindow::openingsFinished, &window, started, Qt::SingleShotConnection);
        else
            QTimer::singleShot(0, &window, started);
        return app.exec();
    }

    window.resize(1024, 768);
    window.show();
    int status = 1;
    auto takeShots = [&] {
        if (!window.commandLineOpenFailed()) {
            status = 0;
            if (!screenshot.isEmpty() && !window.grab().save(screenshot))
                status = 1;
            if (!paletteShots[0].isEmpty()) {
                qm::ToolPalette &tools = *window.drawTools();
                for (const bool seals : {false, true}) {
                    tools.setSealMode(seals);
                    if (!tools.grab().save(paletteShots[seals ? 1 : 0]))
                        status = 1;
                }
                tools.setSealMode(false);
            }
        }
        app.quit();
    };
    // The documents of the command line are read on workers: the pictures wait for them.
    if (window.isOpening())
        QObject::connect(&window, &qm::MainWindow::openingsFinished, &window, takeShots, Qt::SingleShotConnection);
    else
        QTimer::singleShot(0, &window, takeShots);
    app.exec();
    return status;
}
