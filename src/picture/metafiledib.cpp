#include "picture/metafiledib.h"

#include "picture/picturedecoders.h"

#include <QtEndian>

#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>

namespace qm {
namespace {

constexpr std::uint32_t BiRgb = 0;
constexpr std::uint32_t BiBitfields = 3;
constexpr std::size_t InfoHeaderSize = 40;

std::uint32_t rd32(const char *p)
{
    return qFromLittleEndian<std::uint32_t>(p);
}

std::uint16_t rd16(const char *p)
{
    return qFromLittleEndian<std::uint16_t>(p);
}

struct Layout {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    bool bottomUp = true;
    bool bitfields = false;
    std::uint32_t masks[3] = {0, 0, 0};
    std::size_t colourCount = 0;     // entries of the colour table
    std::size_t infoUsed = 0;        // header + masks + colour table
    std::uint64_t optionalTable = 0; // bytes of the colour table a deeper bitmap may carry
    std::size_t stride = 0;
};

// Reads and checks the header; false for anything this decoder does not handle.
bool readLayout(const char *info, std::size_t infoSize, Layout *l)
{
    if (!info || infoSize < InfoHeaderSize)
        return false;
    const std::uint32_t headerSize = rd32(info);
    if (headerSize < InfoHeaderSize || headerSize > infoSize)
        return false;
    const auto width = qint32(rd32(info + 4));
    const auto height = qint32(rd32(info + 8));
    const int bitCount = rd16(info + 14);
    const std::uint32_t compression = rd32(info + 16);
    const std::uint32_t used = rd32(info + 32);
    if (width <= 0 || height == 0 || height == std::numeric_limits<qint32>::min())
        return false;
    const qint64 w = width;
    const qint64 h = height < 0 ? -qint64(height) : qint64(height);
    if (w > MaxPictureSide || h > MaxPictureSide || w * h > MaxPicturePixels)
        return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return false;
    l->width = int(w);
    l->height = int(h);
    l->bitCount = bitCount;
    l->bottomUp = height > 0;
    l->infoUsed = headerSize;
    if (compression == BiBitfields && (bitCount == 16 || bitCount == 32)) {
        l->bitfields = true;
        // Version 4 and 5 headers carry the masks; the plain header is followed by them.
        const std::size_t at = headerSize >= InfoHeaderSize + 12 ? InfoHeaderSize : headerSize;
        if (at + 12 > infoSize)
            return false;
        for (int i = 0; i < 3; ++i)
            l->masks[i] = rd32(info + at + 4 * i);
        l->infoUsed = std::max<std::size_t>(headerSize, at + 12);
    } else if (compression != BiRgb) {
        return false;
    }
    if (bitCount <= 8) {
        const std::size_t full = std::size_t(1) << bitCount;
        l->colourCount = used == 0 || used > full ? full : used;
        if (l->infoUsed + 4 * l->colourCount > infoSize)
            return false;
        l->infoUsed += 4 * l->colourCount;
    } else {
        l->optionalTable = 4 * std::uint64_t(used);
    }
    l->stride = std::size_t((w * bitCount + 31) / 32 * 4);
    return true;
}

// Channel value of a bit-field pixel, widened or narrowed to eight bits.
int channel(std::uint32_t pixel, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t bits = mask >> shift;
    const int width = std::bit_width(bits);
    const std::uint32_t v = (pixel & mask) >> shift;
    if (width >= 8)
        return int(v >> (width - 8));
    const std::uint32_t max = bits;
    return max == 0 ? 0 : int(v * 255 / max);
}

QImage decodeRows(const Layout &l, const char *info, const char *bits)
{
    QImage image(l.width, l.height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    QRgb table[256];
    for (std::size_t i = 0; i < 256; ++i) {
        if (i < l.colourCount) {
            const char *q = info + l.infoUsed - 4 * l.colourCount + 4 * i;
            table[i] = qRgb(uchar(q[2]), uchar(q[1]), uchar(q[0]));
        } else {
            table[i] = qRgb(0, 0, 0);
        }
    }
    for (int y = 0; y < l.height; ++y) {
        const int source = l.bottomUp ? l.height - 1 - y : y;
        const auto *row = reinterpret_cast<const uchar *>(bits + std::size_t(source) * l.stride);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < l.width; ++x) {
            switch (l.bitCount) {
            case 1:
                out[x] = table[(row[x / 8] >> (7 - x % 8)) & 1];
                break;
            case 4:
                out[x] = table[(row[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F];
                break;
            case 8:
                out[x] = table[row[x]];
                break;
            case 16: {
                const std::uint32_t v = std::uint32_t(row[2 * x]) | std::uint32_t(row[2 * x + 1]) << 8;
                if (l.bitfields)
                    out[x] = qRgb(channel(v, l.masks[0]), channel(v, l.masks[1]), channel(v, l.masks[2]));
                else
                    out[x] = qRgb(channel(v, 0x7C00), channel(v, 0x03E0), channel(v, 0x001F));
                break;
            }
            case 24:
                out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                break;
            case 32: {
                const std::uint32_t v = rd32(reinterpret_cast<const char *>(row + 4 * x));
                if (l.bitfields)
                    out[x] = qRgb(channel(v, l.masks[0]), channel(v, l.masks[1]), channel(v, l.masks[2]));
                else
                    out[x] = qRgb(int((v >> 16) & 0xFF), int((v >> 8) & 0xFF), int(v & 0xFF));
                break;
            }
            }
        }
    }
    return image;
}

} // namespace

QImage MetafileDib::decode(const char *info, std::size_t infoSize, const char *bits, std::size_t bitsSize,
                           bool *bottomUp)
{
    Layout l;
    if (!readLayout(info, infoSize, &l) || !bits)
        return {};
    // Both factors are capped (stride by the side limit), so the product cannot overflow.
    if (std::uint64_t(l.stride) * std::uint64_t(l.height) > bitsSize)
        return {};
    if (bottomUp)
        *bottomUp = l.bottomUp;
    return decodeRows(l, info, bits);
}

QSize MetafileDib::size(const char *info, std::size_t infoSize)
{
    Layout l;
    if (!readLayout(info, infoSize, &l))
        return {};
    return QSize(l.width, l.height);
}

QImage MetafileDib::decodePacked(const char *dib, std::size_t size, bool *bottomUp)
{
    Layout l;
    if (!readLayout(dib, size, &l) || l.infoUsed + l.optionalTable > size)
        return {};
    const std::size_t rows = l.infoUsed + std::size_t(l.optionalTable);
    return decode(dib, l.infoUsed, dib + rows, size - rows, bottomUp);
}

QImage MetafileDib::sourceRect(const QImage &image, qint64 x, qint64 y, qint64 width, qint64 height, bool fromBottom)
{
    if (image.isNull() || width <= 0 || height <= 0)
        return {};
    if (fromBottom)
        y = image.height() - y - height;
    const qint64 left = std::max<qint64>(x, 0), top = std::max<qint64>(y, 0);
    const qint64 right = std::min<qint64>(x + width, image.width());
    const qint64 bottom = std::min<qint64>(y + height, image.height());
    if (right <= left || bottom <= top)
        return {};
    if (left == 0 && top == 0 && right == image.width() && bottom == image.height())
        return image;
    return image.copy(int(left), int(top), int(right - left), int(bottom - top));
}

} // namespace qm
