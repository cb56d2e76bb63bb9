#include "document/documenterror.h"

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
        return u"文件不存在！"_s;
    case DocumentError::OldVersion:
        return u"Quillmark "_s + QString::number(version) + u".x+保存的文件，不能打开！"_s;
    case DocumentError::BadFormat:
        return u"<"_s + QFileInfo(fileName).fileName() + u">文件不是Quillmark"_s + u'\r' + u"格式文档，打开失败！"_s;
    case DocumentError::NotRegularFile:
        return u"<"_s + QFileInfo(fileName).fileName() + u">不是普通文件，无法打开。"_s;
    case DocumentError::WriteFailed:
        return u"不能写入文件<"_s + QFileInfo(fileName).fileName() + u">："_s + (diskFull ? u"磁盘已满"_s : detail);
    case DocumentError::NotWritable:
        return u"不能保存文件<"_s + QFileInfo(fileName).fileName() + u">："_s + detail;
    case DocumentError::TooMuchToAdd:
        return detail;
    case DocumentError::ThumbnailFailed:
        return u"不能生成印章库缩略图："_s + detail;
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
