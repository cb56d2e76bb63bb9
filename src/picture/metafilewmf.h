#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qm {

class DecodeBudget;
class MetafileCanvas;
class Surface;

// A placeable Windows metafile: the placeable header (bounding box in logical units and
// the units per inch), the metafile header, 16-bit records, an end record.
class MetafileWmf
{
public:
    // Checks both headers and the size of every record up to the end record. False with a
    // reason when the data is truncated, corrupt or not a placeable metafile.
    bool load(const QByteArray &bytes, QString *error);

    // The bounding box at 96 pixels per inch.
    QSize naturalSize() const;
    // Plays the drawing records with the bounding box filling `target`. The records' window
    // is mapped onto the bounding box; their viewport and map mode, meant for the recording
    // device, do not move the picture. False with a reason, and the rest not drawn, when the
    // drawing would paint beyond `budget`.
    bool play(Surface &surface, const QRectF &target, DecodeBudget &budget, QString *error) const;

private:
    class Objects;
    void playRecord(MetafileCanvas &canvas, Objects &objects, const char *record, std::size_t size) const;

    QByteArray m_bytes;
    std::size_t m_firstRecord = 0;
    std::size_t m_end = 0; // offset of the end record
    QRectF m_box;          // the bounding box in logical units
    int m_objectCount = 0; // size of the object table
    QSize m_naturalSize;
};

} // namespace qm
