#pragma once

#include "export/exportkind.h"

#include <QColor>
#include <QImage>
#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <optional>

class QDialog;
class QFileDialog;
class QUrl;
class QWidget;

namespace qm {

class LibraryEditDialog;

// Every message box, file dialog and outside program the main window reaches goes through
// this, so tests answer from a script and an unattended run never blocks.
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    // A message box with the type and the buttons; the text's carriage returns break lines.
    virtual QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                                QMessageBox::StandardButtons buttons = QMessageBox::Ok) = 0;
    // The file to open; empty when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &folder, const QString &filter) = 0;
    // The file to save into, with the default suffix appended to a name typed without one
    // before the overwrite question; empty when cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &folder, const QString &filter, const QString &proposed,
                                 const QString &defaultSuffix) = 0;
    // Hands an address to the desktop (browser, mail program).
    virtual bool openUrl(const QUrl &url) = 0;
    // The colour dialog, fully open, starting at initial; none when cancelled.
    virtual std::optional<QColor> chooseColour(QWidget *parent, const QColor &initial)
    {
        Q_UNUSED(parent);
        Q_UNUSED(initial);
        return std::nullopt;
    }

    // A notice with a check box under its text ("不再提示"); true when the user ticked it. By
    // default the plain message, never ticked.
    virtual bool noticeWithCheckBox(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                    const QString &checkBoxText)
    {
        Q_UNUSED(checkBoxText);
        message(parent, icon, text);
        return false;
    }

    // --- Export ---
    // The file an exported picture of `kind` is written to and the kind it is written as: the
    // chosen name after the naming rule (exportFileChoice: a name with the extension of another
    // of the `offered` kinds switches to that kind), the overwrite question asked about that
    // name; an empty name when cancelled. `preview` is the picture as it will come out,
    // `pictureSize` its size in pixels (invalid when it is too large to be made). By default
    // saveFileName with the kind's filter and extension, the rule applied to its answer: for
    // dialogs that ask nothing.
    virtual ExportFileChoice pictureFileName(QWidget *parent, const QString &folder, ExportKind kind,
                                             const QList<ExportKind> &offered, const QImage &preview,
                                             const QSize &pictureSize);

    // --- Seal library ---
    // The name the selection is stored under ("保存到印章库", centred on the main window),
    // proposing `proposed`; none when cancelled. By default the naming dialog.
    virtual std::optional<QString> libraryEntryName(QWidget *mainWindow, const QString &proposed);
    // Lets the user work in the library editing dialog until it closes. By default it runs modally.
    virtual void runLibraryEditor(LibraryEditDialog &dialog);
};

// The platform's boxes and dialogs. Nothing is handed to the desktop on a screenless
// platform (offscreen, minimal).
class QtUserDialogs : public UserDialogs
{
public:
    QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons) override;
    QString openFileName(QWidget *parent, const QString &folder, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &folder, const QString &filter, const QString &proposed,
                         const QString &defaultSuffix) override;
    bool openUrl(const QUrl &url) override;
    std::optional<QColor> chooseColour(QWidget *parent, const QColor &initial) override;
    bool noticeWithCheckBox(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                            const QString &checkBoxText) override;
    // Qt's save dialog with the picture beside it (ExportFileDialog).
    ExportFileChoice pictureFileName(QWidget *parent, const QString &folder, ExportKind kind,
                                     const QList<ExportKind> &offered, const QImage &preview,
                                     const QSize &pictureSize) override;

    // The save dialog as saveFileName shows it: asks before overwriting the suffixed name.
    static void setUpSaveDialog(QFileDialog &dialog, const QString &folder, const QString &filter,
                                const QString &proposed, const QString &defaultSuffix);
    // The message box's text: carriage returns become line breaks.
    static QString displayText(const QString &text);

    // A window that steps aside while a box is up (the splash, which stays on top and would
    // cover the start-up questions).
    void setStepAside(QWidget *window) { m_stepAside = window; }

private:
    int execSteppingAside(QDialog &box);

    QPointer<QWidget> m_stepAside;
};

// For runs nobody watches (the screenshot smoke run): messages go to the error stream, every
// question gets its last button (No, Cancel), no dialog opens, nothing reaches the desktop.
class UnattendedDialogs : public UserDialogs
{
public:
    QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons) override;
    QString openFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    bool openUrl(const QUrl &) override { return false; }
    std::optional<QString> libraryEntryName(QWidget *, const QString &) override { return std::nullopt; }
    void runLibraryEditor(LibraryEditDialog &) override {}
};

} // namespace qm
