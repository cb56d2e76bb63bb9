#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qm {

class DecodeBudget;
class MetafileCanvas;
class Surface;

// An enhanced metafile: a header record, drawing records, an end record.
class MetafileEmf
{
public:
    // Checks the header and the size of every record up to the end record, and the inner
    // counts and offsets of every record that play() draws. False with a reason when the
    // data is truncated, corrupt or not an enhanced metafile.
    bool load(const QByteArray &bytes, QString *error);

    // The frame (hundredths of a millimetre) at 96 pixels per inch; the bounds (reference
    // device pixels) when the frame is empty. Empty when both are.
    QSize naturalSize() const;
    // Plays the drawing records with the frame filling `target`. False with a reason, and the
    // rest not drawn, when a path grows beyond its limit or widenings beyond `budget`.
    bool play(Surface &surface, const QRectF &target, DecodeBudget &budget, QString *error) const;

private:
    const char *data() const { return reinterpret_cast<const char *>(m_words.data()); }
    void playRecord(MetafileCanvas &canvas, const char *record, std::uint32_t type, std::uint32_t size) const;

    std::vector<std::uint32_t> m_words; // the file, aligned so records can be read in place
    std::size_t m_headerSize = 0;
    std::size_t m_end = 0; // offset of the end record
    QRectF m_deviceFrame;  // the picture's frame in reference device pixels
    QSize m_naturalSize;
    QSizeF m_devicePerMm;
};

} // namespace qm
