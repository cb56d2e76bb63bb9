#pragma once

#include <QString>

#include <memory>

class QPainter;
class QSettings;

namespace qm {

// A printer's size correction in per mille of each axis: +5 prints 100 mm as 100.5 mm. Users
// measure the printed test ruler and enter what their printer needs.
struct PrintCalibration {
    int xPerMille = 0;
    int yPerMille = 0;

    static constexpr int Limit = 100;
    double scaleX() const { return 1 + xPerMille / 1000.0; }
    double scaleY() const { return 1 + yPerMille / 1000.0; }
    bool operator==(const PrintCalibration &) const = default;
};

// The corrections of every printer, kept per user under "Lumenwerk"/"Quillmark" in the group
// 打印校准, one entry per printer name. Values beyond ±Limit read as the limit.
class PrintCalibrationStore
{
public:
    // The user's settings.
    PrintCalibrationStore();
    // A settings file of its own (tests).
    explicit PrintCalibrationStore(const QString &fileName);
    ~PrintCalibrationStore();
    PrintCalibrationStore(const PrintCalibrationStore &) = delete;
    PrintCalibrationStore &operator=(const PrintCalibrationStore &) = delete;

    PrintCalibration read(const QString &printerName) const;
    void write(const QString &printerName, const PrintCalibration &calibration);

private:
    std::unique_ptr<QSettings> m_settings;
};

// Paints the test ruler with its top-left corner at the painter's origin: a 100 mm horizontal and
// a 100 mm vertical scale with millimetre ticks, longer ones every 5 and 10 mm, at
// pixelsPerMm device pixels per millimetre.
void paintTestRuler(QPainter &painter, long double pixelsPerMm);

} // namespace qm
