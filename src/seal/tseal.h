#pragma once

#include "seal/sealpicture.h"
#include "seal/sealtypes.h"

#include <QByteArray>
#include <QImage>

#include <array>

namespace qm {

class Surface;
class TSeal;

// Told when an element must be painted again or its pixel box moved or resized. The page
// that shows the element implements it.
class SealListener
{
public:
    virtual ~SealListener() = default;
    virtual void sealRepaint(TSeal &seal) = 0;
    virtual void sealGeometryChanged(TSeal &seal) = 0;
};

// A 64-byte NUL-terminated face name in GBK.
using FontSlot = std::array<char, 64>;
FontSlot makeFontSlot(const QByteArray &faceGbk);
QByteArray fontSlotName(const FontSlot &slot);

// One seal or drawing element. Its truth is in millimetres; the pixel box (Left, Top, Width,
// Height) is derived from them, PixelsPerMm and Zoom by the setters. Every published property X
// has a getter X() and a setter SetX() that does nothing when the value is unchanged.
class TSeal
{
public:
    TSeal();
    TSeal(const TSeal &) = delete;
    TSeal &operator=(const TSeal &) = delete;

    void setListener(SealListener *listener) { m_listener = listener; }
    SealListener *listener() const { return m_listener; }

#define QM_PROPERTY(name, type, def, offset, kind) \
    const type &name() const { return m_##name; }   \
    void Set##name(const type &value);
#include "seal/sealproperties.def"
#undef QM_PROPERTY

    // Font slots of Text, Text1, Text2, Text3 and Code.
    const FontSlot &FontName() const { return m_fontNames[0]; }
    const FontSlot &FontName1() const { return m_fontNames[1]; }
    const FontSlot &FontName2() const { return m_fontNames[2]; }
    const FontSlot &FontName3() const { return m_fontNames[3]; }
    const FontSlot &CodeFontName() const { return m_fontNames[4]; }
    void SetFontName(const FontSlot &v) { setFontSlot(0, v); }
    void SetFontName1(const FontSlot &v) { setFontSlot(1, v); }
    void SetFontName2(const FontSlot &v) { setFontSlot(2, v); }
    void SetFontName3(const FontSlot &v) { setFontSlot(3, v); }
    void SetCodeFontName(const FontSlot &v) { setFontSlot(4, v); }
    // Writes a slot directly and repaints, as the property window does.
    FontSlot &fontSlot(int index) { return m_fontNames[size_t(index)]; }
    const FontSlot &fontSlot(int index) const { return m_fontNames[size_t(index)]; }
    void setFontSlot(int index, const FontSlot &value);

    // Derived state.
    const TArrayPoints &LinePoints() const { return m_linePoints; }
    const QImage &PicBitmap() const { return m_picBitmap; }
    bool PicBitmapTransparent() const { return m_picBitmapTransparent; }

    // The pixel box of the element on its page.
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool v);
    // Moves the box by pixels (dragging); the caller then sets RealCenterX/Y from it.
    void SetBounds(int left, int top, int width, int height);

    // Pixels per millimetre at the current zoom, in extended precision.
    long double scale() const;
    // Sets PixelsPerMm and Zoom and always leaves the pixel box and the pattern lines at the new
    // scale, also when the zoom is unchanged (SetZoom then does nothing, and SetPixelsPerMm only
    // moves the box). For whoever shows the element at a scale of its own.
    void placeAtScale(float pixelsPerMm, int zoom);

    // Painting.
    void DrawSeal(int x0, int y0, Surface &surface, TColor penColor, TColor brushColor, TBrushStyle brushStyle);
    void Paint(Surface &surface);
    void PaintTo(int x, int y, Surface &surface, bool keepColours);

    void BuildLinePoints();
    void PictureChanged();
    void Repaint();

    // Loads a picture from bytes through the Picture setter; false and *error when it cannot be
    // decoded, leaving the element unchanged.
    bool LoadPictureData(const QByteArray &bytes, QString *error = nullptr);

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

#define QM_PROPERTY(name, type, def, offset, kind) type m_##name = def;
#include "seal/sealproperties.def"
#undef QM_PROPERTY

    std::array<FontSlot, 5> m_fontNames;
    TArrayPoints m_linePoints;
    QImage m_picBitmap;
    bool m_picBitmapTransparent = false;

    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_visible = false;
    SealListener *m_listener = nullptr;
};

} // namespace qm
