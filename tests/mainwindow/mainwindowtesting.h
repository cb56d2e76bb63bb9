#pragma once

// A main window started with scripted dialogs, settings in a temporary file, its own data
// folder and no printer unless a test says so: nothing blocks and nothing touches the user's
// settings.

#include "document/documentfile.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"
#include "library/libraryeditdialog.h"
#include "mainwindow/configuration.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/userdialogs.h"
#include "page/documentwindow.h"
#include "seal/seal.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <deque>
#include <functional>
#include <memory>

namespace qm {

// Files read on workers have their windows, or were refused, once this is true.
inline bool waitForOpenings(const MainWindow &w)
{
    return QTest::qWaitFor([&] { return !w.isOpening(); }, 30000);
}

// Answers every box and dialog from a script and records what was asked.
class ScriptedDialogs : public UserDialogs
{
public:
    struct Message {
        QMessageBox::Icon icon;
        QString text;
        QMessageBox::StandardButtons buttons;
    };
    std::vector<Message> messages;
    std::deque<QMessageBox::StandardButton> answers; // for questions; No when empty
    std::deque<QString> files;                       // for file dialogs; cancelled when empty
    struct SaveRequest {
        QString folder, proposed, suffix;
    };
    std::vector<SaveRequest> saveRequests;
    int openRequests = 0;
    std::vector<QUrl> urls;
    std::deque<QColor> colours; // for the colour dialog; cancelled when empty
    int colourRequests = 0;
    std::deque<bool> ticks;                                 // for the check box under a notice; unticked when empty
    QStringList checkBoxTexts;                              // the check boxes notices came with
    std::deque<QString> libraryNames;                       // for the library naming dialog; cancelled when empty
    QStringList proposedNames;                              // what the naming dialog proposed each time
    std::function<void(LibraryEditDialog &)> libraryEditor; // the user's work in the editing dialog

    QMessageBox::StandardButton message(QWidget *, QMessageBox::Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons) override
    {
        messages.push_back({icon, text, buttons});
        if (buttons == QMessageBox::Ok || buttons == QMessageBox::Yes)
            return QMessageBox::StandardButton(int(buttons));
        if (answers.empty())
            return QMessageBox::No;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool noticeWithCheckBox(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                            const QString &checkBoxText) override
    {
        message(parent, icon, text, QMessageBox::Ok);
        checkBoxTexts.append(checkBoxText);
        if (ticks.empty())
            return false;
        const bool ticked = ticks.front();
        ticks.pop_front();
        return ticked;
    }
    QString openFileName(QWidget *, const QString &, const QString &) override
    {
        ++openRequests;
        return next();
    }
    QString saveFileName(QWidget *, const QString &folder, const QString &, const QString &proposed,
                         const QString &suffix) override
    {
        saveRequests.push_back({folder, proposed, suffix});
        return next();
    }
    bool openUrl(const QUrl &url) override
    {
        urls.push_back(url);
        return true;
    }
    std::optional<QColor> chooseColour(QWidget *, const QColor &) override
    {
        ++colourRequests;
        if (colours.empty())
            return std::nullopt;
        const QColor c = colours.front();
        colours.pop_front();
        return c;
    }
    std::optional<QString> libraryEntryName(QWidget *, const QString &proposed) override
    {
        proposedNames.append(proposed);
        if (libraryNames.empty())
            return std::nullopt;
        QString name = libraryNames.front();
        libraryNames.pop_front();
        return name;
    }
    void runLibraryEditor(LibraryEditDialog &dialog) override
    {
        if (libraryEditor)
            libraryEditor(dialog);
    }
    QStringList texts() const
    {
        QStringList out;
        for (const Message &m : messages)
            out.append(m.text);
        return out;
    }

private:
    QString next()
    {
        if (files.empty())
            return {};
        QString f = files.front();
        files.pop_front();
        return f;
    }
};

// One program start: its settings and folders live as long as the fixture.
struct Start {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<Configuration> config;
    MainWindowOptions options;
    QStringList stages;
    std::unique_ptr<MainWindow> window;

    Start()
    {
        config = std::make_unique<Configuration>(dir.filePath(QStringLiteral("settings.ini")));
        options.dialogs = &dialogs;
        options.configuration = config.get();
        options.dialogFolder = dir.filePath(QStringLiteral("no dialogs here"));
        options.dataFolder = dir.filePath(QStringLiteral("data"));
        options.splashStage = [this](const QString &stage) { stages.append(stage); };
        options.printerPresent = [] { return true; };
        options.screenWidth = [] { return 1280; };
        // The palette is a window of its own; a test that wants it shown says so.
        options.showDrawTools = false;
    }
    ~Start() { close(); }

    MainWindow &create()
    {
        window = std::make_unique<MainWindow>(options);
        window->resize(1000, 800);
        return *window;
    }
    // Created and shown: the first show has run, and the documents of the command line are
    // read.
    MainWindow &show()
    {
        create().show();
        waitForOpenings(*window);
        return *window;
    }
    void close()
    {
        if (window) {
            dialogs.answers.assign(16, QMessageBox::No);
            window.reset();
        }
    }
    QString path(const QString &name) const { return dir.filePath(name); }
};

// Appends a 40 mm round seal at (cx, 50) mm as one edit: the document is modified.
inline void addSeal(DocumentWindow &child, float cx = 50)
{
    SealDocument &doc = child.document();
    auto seal = doc.createSeal();
    seal->setSealType(SealType::stEllipse);
    seal->setRealCenterX(cx);
    seal->setRealCenterY(50);
    doc.appendCreatedSeal(std::move(seal));
}

// The number of seals in a document file, -1 when it cannot be read.
inline int sealsInFile(const QString &fileName)
{
    SealDocument doc;
    NoProgress progress;
    return openDocument(fileName, doc, progress).ok() ? doc.sealCount() : -1;
}

// Lets closed windows go.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace qm
