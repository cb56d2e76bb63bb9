#include "export/exporterror.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace qm {

QString exportErrorMessage(ExportError error, const QString &fileName)
{
    const QString named = fileName.isEmpty() ? QString() : u"\r\r"_s + fileName;
    switch (error) {
    case ExportError::None:
    case ExportError::EmptySelection:
        return {};
    case ExportError::BadResolution:
        return QCoreApplication::translate("Export", "导出精度无效。");
    case ExportError::PictureTooLarge:
        return QCoreApplication::translate("Export", "导出图象太大，系统无法处理！\r\r您可以这样来解决：\r\r  "
                                                     "A、图象导出精度适当降低；\r\r  B、页面上选择面积适当减小；");
    case ExportError::TooLargeForKind:
        return QCoreApplication::translate(
            "Export", "导出图象的宽度或高度超出了该图象格式的限制，请降低导出精度或选择其他格式。");
    case ExportError::CannotCreateFile:
        return QCoreApplication::translate("Export", "无法创建文件。") + named;
    case ExportError::WriteFailed:
        return QCoreApplication::translate("Export", "写入文件失败。") + named;
    case ExportError::EncoderFailed:
        return QCoreApplication::translate("Export", "图象编码失败。") + named;
    }
    return {};
}

int exportErrorExitCode(ExportError error)
{
    return error == ExportError::None ? 0 : 1;
}

} // namespace qm
