#pragma once

#include "export/exportkind.h"

#include <QFileDialog>
#include <QImage>

namespace qm {

// The save dialog of the export command: Qt's own dialog (never the desktop's, so the rules
// below hold) with the picture to be written shown at its side. The chosen name goes through
// the naming rule before anything is asked, so the overwrite question names the file that will
// really be written: "a" or "a.txt" for a JPEG export asks about an existing a.jpg, "a.png"
// about a.png when PNG is among the offered kinds.
class ExportFileDialog : public QFileDialog
{
    Q_OBJECT

public:
    // `pictureSize` is shown under the preview: the size of the picture written, in pixels.
    // `offered`: the kinds a typed extension may switch to; none but `kind` when empty.
    ExportFileDialog(QWidget *parent, const QString &folder, ExportKind kind, const QImage &preview,
                     const QSize &pictureSize = QSize(), const QList<ExportKind> &offered = {});

    // The file to write, after the naming rule; empty until the dialog was accepted.
    const QString &chosenFile() const { return m_chosen.fileName; }
    // That file with the kind it is written as.
    const ExportFileChoice &choice() const { return m_chosen; }

    // The kind's filter in Qt's form: the text before '|' ("Windows位图(*.bmp)").
    static QString nameFilter(ExportKind kind);
    // The preview's longest side in pixels.
    static constexpr int PreviewSide = 240;

protected:
    void accept() override;

private:
    ExportKind m_kind;
    QList<ExportKind> m_offered;
    ExportFileChoice m_chosen;
};

} // namespace qm
