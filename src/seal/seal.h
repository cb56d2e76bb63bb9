#pragma once

#include "seal/sealpicture.h"
#include "seal/sealtypes.h"

#include <QByteArray>
#include <QImage>

#include <array>
#include <memory>

namespace qm {

class Surface;
class Seal;

// Told when an element must be painted again or its pixel box moved or resized. The page
// that shows the element implements it.
class SealListener
{
public:
    virtual ~SealListener() = default;
    virtual void sealRepaint(Seal &seal) = 0;
    virtual void sealGeometryChanged(Seal &seal) = 0;
};

// A 64-byte NUL-terminated face name in GBK.
using FontSlot = std::array<char, 64>;
// The slot of a face name of at most 63 bytes (a longer one is cut), NULs after it.
FontSlot makeFontSlot(const QByteArray &faceGbk);
QByteArray fontSlotName(const FontSlot &slot);

constexpr FontSlot fontSlotOf(const char *faceGbk)
{
    FontSlot slot{};
    for (size_t i = 0; i + 1 < slot.size() && faceGbk[i]; ++i)
        slot[i] = faceGbk[i];
    return slot;
}
// The faces of a new element: 宋体 for its texts, 黑体 for its code.
constexpr FontSlot SongTiSlot = fontSlotOf("\xCB\xCE\xCC\xE5");
constexpr FontSlot HeiTiSlot = fontSlotOf("\xBA\xDA\xCC\xE5");

// One seal or drawing element. Its truth is in millimetres; the pixel box (Left, Top, Width,
// Height) is derived from them, PixelsPerMm and Zoom by the setters. Every published property X
// has a getter X() and a setter SetX() that does nothing when the value is unchanged.
class Seal
{
public:
    Seal();
    Seal(const Seal &) = delete;
    Seal &operator=(const Seal &) = delete;

    // A new element with this one's stored values and nothing else: no listener, and its pixel
    // box and pattern lines are not derived. Cheap enough to take of a whole document at once,
    // so that the copies can be written elsewhere (another thread) while this one is edited.
    std::unique_ptr<Seal> storedCopy() const;

    void setListener(SealListener *listener) { m_listener = listener; }
    SealListener *listener() const { return m_listener; }

    // The font slots FontName ... FontName3 and CodeFontName are the faces of Text ... Text3
    // and Code; their setters compare all 64 bytes.
#define QM_PROPERTY(name, type, def, offset, kind, range)                                                              \
    const type &name() const                                                                                           \
    {                                                                                                                  \
        return m_##name;                                                                                               \
    }                                                                                                                  \
    void set##name(const type &value);
#include "seal/sealproperties.def"
#undef QM_PROPERTY

    // The font slots by index, as the text lines count them: 0 … 3 FontName … FontName3, 4 and
    // anything else CodeFontName.
    const FontSlot &fontSlot(int index) const;

    // Derived state.
    const PointArray &linePoints() const
    {
        return m_linePoints;
    }
    // The picture as painted, each pixel or-ed with pictureColour(). Painting does this band by
    // band; this whole copy is for inspecting it.
    QImage pictureBitmap() const;
    bool pictureTransparent() const
    {
        return m_picBitmapTransparent;
    }
    // The colour or-ed into the picture when painted: the pen colour when PicClrChange, else
    // black, which leaves the picture as it is.
    Colour pictureColour() const;

    // The pixel box of the element on its page.
    int left() const
    {
        return m_left;
    }
    int top() const
    {
        return m_top;
    }
    int width() const
    {
        return m_width;
    }
    int height() const
    {
        return m_height;
    }
    bool isVisible() const
    {
        return m_visible;
    }
    void setVisible(bool v);
    // Moves the box by pixels (dragging); the caller then sets RealCenterX/Y from it.
    void setBounds(int left, int top, int width, int height);

    // Pixels per millimetre at the current zoom, in extended precision.
    long double scale() const;
    // Sets PixelsPerMm and Zoom and always leaves the pixel box and the pattern lines at the new
    // scale, also when the zoom is unchanged (setZoom then does nothing, and setPixelsPerMm only
    // moves the box). For whoever shows the element at a scale of its own.
    void placeAtScale(float pixelsPerMm, int zoom);

    // Painting.
    void drawSeal(int x0, int y0, Surface &surface, Colour penColor, Colour brushColor, qm::BrushStyle brushStyle);
    void paint(Surface &surface);
    void paintTo(int x, int y, Surface &surface, bool keepColours);

    void buildLinePoints();
    void pictureChanged();
    void repaint();

    // Loads a picture from bytes through the Picture setter; false and *error when it cannot be
    // decoded, leaving the element unchanged.
    bool loadPictureData(const QByteArray &bytes, QString *error = nullptr);

private:
    void resizeWidth();
    void resizeHeight();
    void keepLeftEdge();
    void keepTopEdge();
    void moveToCentre();
    void geometryChanged();
    void setBoxFromAngle();
    void angleFromBox(bool fromWidth);
    void freePicture();

#define QM_PROPERTY(name, type, def, offset, kind, range) type m_##name = def;
#include "seal/sealproperties.def"
#undef QM_PROPERTY

    PointArray m_linePoints;
    bool m_picBitmapTransparent = false;

    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_visible = false;
    SealListener *m_listener = nullptr;
};

} // namespace qm
