#include "mainwindow/exportfiledialog.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>

using namespace Qt::StringLiterals;

namespace qm {

QString ExportFileDialog::nameFilter(ExportKind kind)
{
    return exportKindFilter(kind).section(u'|', 0, 0);
}

ExportFileDialog::ExportFileDialog(QWidget *parent, const QString &folder, ExportKind kind, const QImage &preview,
                                   const QSize &pictureSize, const QList<ExportKind> &offered)
    : QFileDialog(parent), m_kind(kind), m_offered(offered)
{
    m_chosen.kind = kind;
    setObjectName(u"ExportFileDialog"_s);
    setWindowTitle(tr("导出为图象"));
    setAccessibleName(windowTitle());
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog: a native one would ask about the name as typed, before our rule.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setOption(QFileDialog::DontConfirmOverwrite, true); // asked in accept(), about the real name
    setDirectory(folder);
    setNameFilter(nameFilter(kind));

    auto *picture = new QLabel(this);
    picture->setObjectName(u"preview"_s);
    picture->setAccessibleName(tr("导出图象预览"));
    picture->setAlignment(Qt::AlignCenter);
    picture->setMinimumSize(PreviewSide, PreviewSide);
    picture->setFrameShape(QFrame::StyledPanel);
    if (!preview.isNull())
        picture->setPixmap(QPixmap::fromImage(
            preview.scaled(PreviewSide, PreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    auto *size = new QLabel(this);
    size->setObjectName(u"pictureSize"_s);
    size->setAlignment(Qt::AlignCenter);
    if (pictureSize.isValid())
        size->setText(tr("%1 × %2 像素").arg(pictureSize.width()).arg(pictureSize.height()));
    size->setAccessibleName(size->text().isEmpty() ? tr("图象大小") : size->text());

    // Qt's own dialog lays itself out in a grid: the preview takes a column of its own.
    if (auto *grid = qobject_cast<QGridLayout *>(layout())) {
        const int column = grid->columnCount();
        grid->addWidget(picture, 0, column, grid->rowCount() - 1, 1);
        grid->addWidget(size, grid->rowCount() - 1, column);
    }
}

void ExportFileDialog::accept()
{
    const QStringList files = selectedFiles();
    if (files.isEmpty())
        return;
    const QFileInfo typed(files.constFirst());
    if (typed.isDir()) {
        QFileDialog::accept(); // opens the folder
        return;
    }
    const ExportFileChoice choice = exportFileChoice(typed.absoluteFilePath(), m_kind, m_offered);
    const QFileInfo target(choice.fileName);
    if (!target.absoluteDir().exists()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("文件夹“%1”不存在。").arg(QDir::toNativeSeparators(target.path())));
        return;
    }
    if (target.isDir()) {
        QMessageBox::warning(this, windowTitle(), tr("“%1”是一个文件夹。").arg(target.fileName()));
        return;
    }
    if (target.exists() &&
        QMessageBox::question(this, windowTitle(), tr("“%1”已经存在。\n要替换它吗？").arg(target.fileName())) !=
            QMessageBox::Yes)
        return;
    m_chosen = choice;
    QDialog::accept();
}

} // namespace qm
