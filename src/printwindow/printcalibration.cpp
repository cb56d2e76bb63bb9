#include "printwindow/printcalibration.h"

#include "picture/drawingtypes.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QSettings>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

// Printer names may hold slashes, which settings keys treat as groups.
QString key(const QString &printerName, const QString &axis)
{
    QString name = printerName;
    name.replace(u'/', u'_').replace(u'\\', u'_');
    if (name.isEmpty())
        name = u"默认打印机"_s;
    return u"打印校准/"_s + name + u'/' + axis;
}

int clampCorrection(int perMille)
{
    return std::clamp(perMille, -PrintCalibration::Limit, PrintCalibration::Limit);
}

} // namespace

PrintCalibrationStore::PrintCalibrationStore() : m_settings(std::make_unique<QSettings>(u"Lumenwerk"_s, u"Quillmark"_s))
{
}

PrintCalibrationStore::PrintCalibrationStore(const QString &fileName)
    : m_settings(std::make_unique<QSettings>(fileName, QSettings::IniFormat))
{
}

PrintCalibrationStore::~PrintCalibrationStore() = default;

PrintCalibration PrintCalibrationStore::read(const QString &printerName) const
{
    PrintCalibration c;
    c.xPerMille = clampCorrection(m_settings->value(key(printerName, u"X"_s), 0).toInt());
    c.yPerMille = clampCorrection(m_settings->value(key(printerName, u"Y"_s), 0).toInt());
    return c;
}

void PrintCalibrationStore::write(const QString &printerName, const PrintCalibration &calibration)
{
    m_settings->setValue(key(printerName, u"X"_s), clampCorrection(calibration.xPerMille));
    m_settings->setValue(key(printerName, u"Y"_s), clampCorrection(calibration.yPerMille));
    m_settings->sync();
}

void paintTestRuler(QPainter &painter, long double pixelsPerMm)
{
    painter.save();
    auto px = [&](long double mm) { return double(mm * pixelsPerMm); };
    QPen pen(Qt::black, std::max(1.0, px(0.15)));
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const double origin = px(10);
    painter.drawLine(QPointF(origin, origin), QPointF(origin + px(100), origin));
    painter.drawLine(QPointF(origin, origin), QPointF(origin, origin + px(100)));
    for (int mm = 0; mm <= 100; ++mm) {
        const long double tick = mm % 10 == 0 ? 5 : mm % 5 == 0 ? 3.5L : 2;
        painter.drawLine(QPointF(origin + px(mm), origin), QPointF(origin + px(mm), origin + px(tick)));
        painter.drawLine(QPointF(origin, origin + px(mm)), QPointF(origin + px(tick), origin + px(mm)));
    }
    QFont font(u"Sans"_s);
    font.setPixelSize(std::max(1, roundHalfEven(px(3))));
    painter.setFont(font);
    for (int cm = 1; cm <= 10; ++cm) {
        const QString label = QString::number(cm * 10);
        painter.drawText(QPointF(origin + px(cm * 10 - 2), origin + px(9)), label);
        painter.drawText(QPointF(origin + px(6), origin + px(cm * 10 + 1)), label);
    }
    painter.drawText(QPointF(origin + px(20), origin + px(30)),
                     QCoreApplication::translate("PrintWindow", "校准标尺：两条刻度线各长 100 毫米，请量出实际长度。"));
    painter.drawText(
        QPointF(origin + px(20), origin + px(36)),
        QCoreApplication::translate("PrintWindow", "新校正值（‰）= (1000 + 原校正值) × 100 ÷ 量得毫米数 − 1000"));
    painter.restore();
}

} // namespace qm
