#include "page/picturefile.h"

#include "picture/boundedread.h"
#include "picture/documentlimits.h"
#include "seal/seallimits.h"

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
    const QString name = u'<' + QFileInfo(path).fileName() + u'>';
    switch (read.error) {
    case FileReadError::None:
        return {};
    case FileReadError::Missing:
        return name + u"文件不存在！"_s;
    case FileReadError::NotRegular:
        return name + u"不是普通文件，无法打开。"_s;
    case FileReadError::TooLarge:
        return name + u"文件太大，无法打开。"_s;
    case FileReadError::Unreadable:
        break;
    }
    return name + u"无法读取："_s + read.reason;
}

} // namespace qm
