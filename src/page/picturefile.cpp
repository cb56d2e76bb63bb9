#include "page/picturefile.h"

#include "picture/boundedread.h"
#include "picture/documentlimits.h"
#include "seal/seallimits.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qm {

PictureFile readPictureFile(const QString &path)
{
    // A picture larger than a whole document may be could never be saved with it.
    FileReadResult read = readRegularFile(path, std::min(SealLimits::MaxPictureBytes, MaxDocumentBytes));
    PictureFile file;
    file.refusal = fileReadMessage(path, read);
    if (file.ok())
        file.bytes = std::move(read.bytes);
    return file;
}

QString fileReadMessage(const QString &path, const FileReadResult &read)
{
    const QString name = QFileInfo(path).fileName();
    switch (read.error) {
    case FileReadError::None:
        return {};
    case FileReadError::Missing:
        return QCoreApplication::translate("Page", "<%1>文件不存在！").arg(name);
    case FileReadError::NotRegular:
        return QCoreApplication::translate("Page", "<%1>不是普通文件，无法打开。").arg(name);
    case FileReadError::TooLarge:
        return QCoreApplication::translate("Page", "<%1>文件太大，无法打开。").arg(name);
    case FileReadError::Unreadable:
        break;
    }
    return QCoreApplication::translate("Page", "<%1>无法读取：%2").arg(name, read.reason);
}

} // namespace qm
