// The command that puts the seals of the active document onto an existing PDF: the chosen
// file is checked by the stamping core and shown in its own window.

#include "mainwindow/mainwindow.h"

#include "mainwindow/userdialogs.h"
#include "page/documentwindow.h"
#include "pdfwindow/pdfstampwindow.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace qm {

void MainWindow::stampOntoPdf()
{
    DocumentWindow *child = activeDocument();
    if (!child || child->document().sealCount() == 0)
        return;
    const QString fileName = m_dialogs.openFileName(this, QString(), tr("PDF文件(*.pdf);;所有文件(*)"));
    if (fileName.isEmpty())
        return;

    const SealDocument &doc = child->document();
    QList<const Seal *> seals;
    for (const auto &seal : doc.seals())
        seals.append(seal.get());
    // The selection, or every seal when none is chosen.
    QList<int> chosen;
    for (const Seal *seal : child->selection())
        chosen.append(doc.indexOf(seal));

    PdfStampWindowOptions options;
    options.screenPixelsPerMm = child->screenPixelsPerMm();
    options.askOutputFile = [this](QWidget *owner, const QString &proposed) {
        return m_dialogs.saveFileName(owner, QFileInfo(proposed).path(), tr("PDF文件(*.pdf)"), proposed, u"pdf"_s);
    };
    options.warn = [this](QWidget *owner, const QString &text) {
        m_dialogs.message(owner, QMessageBox::Warning, text);
    };
    QString refusal;
    std::unique_ptr<PdfStampWindow> window =
        PdfStampWindow::create(fileName, seals, chosen, std::move(options), &refusal, this);
    if (!window) {
        m_dialogs.message(this, QMessageBox::Warning, refusal);
        return;
    }
    if (m_stampWindow)
        m_stampWindow->close();
    // Modal without blocking: the document stays as it is while its seals are being placed, and
    // undo and redo reach this window's own steps.
    window->setWindowFlag(Qt::Window);
    window->setWindowModality(Qt::ApplicationModal);
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_stampWindow = window.release();
    m_stampWindow->show();
}

} // namespace qm
