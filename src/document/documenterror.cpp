#include "document/documenterror.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace qm {

QString DocumentResult::message() const
{
    switch (error) {
    case DocumentError::None:
    case DocumentError::NothingSelected:
        return {};
    case DocumentError::FileNotFound:
        return QCoreApplication::translate("Document", "文件不存在！");
    case DocumentError::OldVersion:
        return QCoreApplication::translate("Document", "Quillmark %1.x+保存的文件，不能打开！").arg(version);
    case DocumentError::BadFormat:
        return QCoreApplication::translate("Document", "<%1>文件不是Quillmark\r格式文档，打开失败！")
            .arg(QFileInfo(fileName).fileName());
    case DocumentError::NotRegularFile:
        return QCoreApplication::translate("Document", "<%1>不是普通文件，无法打开。")
            .arg(QFileInfo(fileName).fileName());
    case DocumentError::WriteFailed:
        return QCoreApplication::translate("Document", "不能写入文件<%1>：%2")
            .arg(QFileInfo(fileName).fileName(),
                 diskFull ? QCoreApplication::translate("Document", "磁盘已满") : detail);
    case DocumentError::NotWritable:
        return QCoreApplication::translate("Document", "不能保存文件<%1>：%2")
            .arg(QFileInfo(fileName).fileName(), detail);
    case DocumentError::TooMuchToAdd:
        return detail;
    case DocumentError::ThumbnailFailed:
        return QCoreApplication::translate("Document", "不能生成印章库缩略图：") + detail;
    }
    return {};
}

DocumentResult documentFailure(DocumentError error, const QString &fileName)
{
    DocumentResult r;
    r.error = error;
    r.fileName = fileName;
    return r;
}

DocumentResult sealRefused(qsizetype index, const QString &why)
{
    DocumentResult r = documentFailure(DocumentError::BadFormat);
    r.detail = u"seal %1: %2"_s.arg(index).arg(why);
    return r;
}

} // namespace qm
