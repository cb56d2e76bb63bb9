#include "seal/seal.h"

#include "picture/surface.h"
#include "seal/linepoints.h"
#include "seal/paintersurface.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qm {

FontSlot makeFontSlot(const QByteArray &faceGbk)
{
    FontSlot slot{};
    std::memcpy(slot.data(), faceGbk.constData(), size_t(std::min<qsizetype>(faceGbk.size(), 63)));
    return slot;
}

QByteArray fontSlotName(const FontSlot &slot)
{
    return QByteArray(slot.data(), qsizetype(::strnlen(slot.data(), slot.size())));
}

Seal::Seal()
{
    m_linePoints.resize(std::clamp(m_LineCount, 0, LinePoints::MaxLines));
    const long double k = scale();
    m_width = roundHalfEven(k * m_RealWidth);
    m_height = roundHalfEven(k * m_RealHeight);
    m_left = roundHalfEven(k * (m_RealCenterX - m_RealWidth / 2));
    m_top = roundHalfEven(k * (m_RealCenterY - m_RealHeight / 2));
}

std::unique_ptr<Seal> Seal::storedCopy() const
{
    auto copy = std::make_unique<Seal>();
#define QM_PROPERTY(name, type, def, offset, kind, range) copy->m_##name = m_##name;
#include "seal/sealproperties.def"
#undef QM_PROPERTY
    return copy;
}

const FontSlot &Seal::fontSlot(int index) const
{
    switch (index) {
    case 0:
        return m_FontName;
    case 1:
        return m_FontName1;
    case 2:
        return m_FontName2;
    case 3:
        return m_FontName3;
    default:
        return m_CodeFontName;
    }
}

long double Seal::scale() const
{
    return static_cast<long double>(m_Zoom) * m_PixelsPerMm / 100;
}

void Seal::repaint()
{
    if (m_listener)
        m_listener->sealRepaint(*this);
}

void Seal::geometryChanged()
{
    if (m_listener)
        m_listener->sealGeometryChanged(*this);
}

void Seal::setVisible(bool v)
{
    if (m_visible == v)
        return;
    m_visible = v;
    repaint();
}

void Seal::setBounds(int left, int top, int width, int height)
{
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    geometryChanged();
}

void Seal::resizeWidth()
{
    setBounds(m_left, m_top, roundHalfEven(scale() * m_RealWidth), m_height);
}

void Seal::resizeHeight()
{
    setBounds(m_left, m_top, m_width, roundHalfEven(scale() * m_RealHeight));
}

// The left edge stays where it is and the centre follows the new width. A zero scale has no
// edge to keep.
void Seal::keepLeftEdge()
{
    const long double k = scale();
    if (k != 0)
        m_RealCenterX = static_cast<float>(m_left / k + m_RealWidth / 2.0L);
}

void Seal::keepTopEdge()
{
    const long double k = scale();
    if (k != 0)
        m_RealCenterY = static_cast<float>(m_top / k + m_RealHeight / 2.0L);
}

void Seal::moveToCentre()
{
    const long double k = scale();
    setBounds(roundHalfEven(k * (m_RealCenterX - m_RealWidth / 2.0L)),
              roundHalfEven(k * (m_RealCenterY - m_RealHeight / 2.0L)), m_width, m_height);
}

// Setters that store and repaint, or store, rebuild the pattern lines and repaint.
#define QM_SETTER_R(name, type)                                                                                        \
    void Seal::set##name(const type &value)                                                                            \
    {                                                                                                                  \
        if (m_##name == value)                                                                                         \
            return;                                                                                                    \
        m_##name = value;                                                                                              \
        repaint();                                                                                                     \
    }
#define QM_SETTER_L(name, type)                                                                                        \
    void Seal::set##name(const type &value)                                                                            \
    {                                                                                                                  \
        if (m_##name == value)                                                                                         \
            return;                                                                                                    \
        m_##name = value;                                                                                              \
        buildLinePoints();                                                                                             \
        repaint();                                                                                                     \
    }
#define QM_SETTER_S(name, type) QM_SETTER_R(name, type)
#define QM_SETTER_C(name, type)
#define QM_PROPERTY(name, type, def, offset, kind, range) QM_SETTER_##kind(name, type)
#include "seal/sealproperties.def"
#undef QM_PROPERTY
#undef QM_SETTER_R
#undef QM_SETTER_L
#undef QM_SETTER_C
#undef QM_SETTER_S

void Seal::setPenColor(const Colour &value)
{
    if (m_PenColor == value)
        return;
    m_PenColor = value;
    m_BrushColor = value;
    if (m_Picture.hasGraphic() && m_PicClrChange)
        pictureChanged();
    else
        repaint();
}

void Seal::setHaveImage(const bool &value)
{
    if (m_HaveImage == value)
        return;
    m_HaveImage = value;
    if (!value)
        m_ImageIsStar = false;
    if (!m_HaveImage || m_ImageIsStar)
        freePicture();
    repaint();
}

void Seal::setImageIsStar(const bool &value)
{
    if (m_ImageIsStar == value)
        return;
    m_ImageIsStar = value;
    if (value) {
        m_HaveImage = true;
        freePicture();
    }
    repaint();
}

void Seal::freePicture()
{
    if (m_Picture.hasGraphic())
        m_Picture.clear();
    m_picBitmapTransparent = false;
}

void Seal::setPicture(const SealPicture &value)
{
    m_Picture = value; // always copied: the picture may have changed in place
    if (!m_Picture.hasGraphic()) {
        // No picture leaves nothing to paint.
        m_picBitmapTransparent = false;
        repaint();
        return;
    }
    pictureChanged();
}

bool Seal::loadPictureData(const QByteArray &bytes, QString *error)
{
    SealPicture p = SealPicture::fromData(bytes, error);
    if (!p.hasGraphic())
        return false;
    setPicture(p);
    return true;
}

void Seal::setPicTransParnt(const bool &value)
{
    if (m_PicTransParnt == value)
        return;
    m_PicTransParnt = value;
    pictureChanged();
}

void Seal::setPicClrChange(const bool &value)
{
    if (m_PicClrChange == value)
        return;
    m_PicClrChange = value;
    pictureChanged();
}

Colour Seal::pictureColour() const
{
    return m_PicClrChange ? m_PenColor : clBlack;
}

QImage Seal::pictureBitmap() const
{
    if (!m_Picture.hasGraphic())
        return {};
    return preparedPicture(m_Picture.image(), pictureColour());
}

void Seal::pictureChanged()
{
    if (!m_Picture.hasGraphic())
        return;
    m_picBitmapTransparent = m_PicTransParnt;
    repaint();
}

// The diagonal of the box becomes the length; its angle (from the width's arccos or the
// height's arcsin) replaces TextAngle within TextAngle's quadrant. A box of no size has no angle,
// so the old one stays.
void Seal::angleFromBox(bool fromWidth)
{
    const long double length = std::sqrt(static_cast<long double>(m_RealWidth) * m_RealWidth +
                                         static_cast<long double>(m_RealHeight) * m_RealHeight);
    m_RealTextLength = static_cast<float>(length);
    if (m_RealTextLength == 0)
        return;
    // The ratio takes the stored single-precision length, not the exact diagonal: near 90 degrees
    // the two can round to angles a tenth apart.
    const long double stored = m_RealTextLength;
    const long double rad = fromWidth ? std::acos(m_RealWidth / stored) : std::asin(m_RealHeight / stored);
    const int b = roundHalfEven(rad / (M_PIl / 1800));
    if (m_TextAngle < 900)
        m_TextAngle = b;
    else if (m_TextAngle < 1800)
        m_TextAngle = 1800 - b;
    else if (m_TextAngle < 2700)
        m_TextAngle = b + 1800;
    else if (m_TextAngle <= 3600)
        m_TextAngle = 3600 - b;
}

void Seal::setRealWidth(const float &value)
{
    if (m_RealWidth == value)
        return;
    m_RealWidth = value;
    if (m_SealType == SealType::stVertLine)
        m_PenWidth = value;
    if (m_SealType == SealType::stHorzText && !m_RowCol && m_RowColCount == 1)
        m_TextWidth = m_RealWidth;
    if (m_SealType == SealType::stAnyAngleLine || m_SealType == SealType::stAnyAngleText)
        angleFromBox(true);
    resizeWidth();
    keepLeftEdge();
    buildLinePoints();
}

void Seal::setRealHeight(const float &value)
{
    if (m_RealHeight == value)
        return;
    m_RealHeight = value;
    if (m_SealType == SealType::stHorzLine)
        m_PenWidth = value;
    else if (m_SealType == SealType::stVertLine)
        m_PenWidth = m_RealWidth; // a vertical line's thickness is its width
    if (m_SealType == SealType::stHorzText && m_RowCol && m_RowColCount == 1)
        m_TextHeight = m_RealHeight;
    if (m_SealType == SealType::stAnyAngleLine || m_SealType == SealType::stAnyAngleText)
        angleFromBox(false);
    resizeHeight();
    keepTopEdge();
    buildLinePoints();
}

void Seal::setPenWidth(const float &value)
{
    if (m_PenWidth == value)
        return;
    m_PenWidth = value;
    buildLinePoints();
    if (m_SealType == SealType::stHorzLine) {
        m_RealHeight = m_PenWidth;
        resizeHeight();
        keepTopEdge();
    } else if (m_SealType == SealType::stVertLine) {
        m_RealWidth = m_PenWidth;
        resizeWidth();
        keepLeftEdge();
    } else {
        repaint();
    }
}

void Seal::setTextWidth(const float &value)
{
    if (m_TextWidth == value)
        return;
    m_TextWidth = value;
    if (m_SealType == SealType::stHorzText && !m_RowCol && m_RowColCount == 1) {
        m_RealWidth = value;
        resizeWidth();
        keepLeftEdge();
    } else {
        repaint();
    }
}

void Seal::setTextHeight(const float &value)
{
    if (m_TextHeight == value)
        return;
    m_TextHeight = value;
    if (m_SealType == SealType::stHorzText && m_RowCol && m_RowColCount == 1) {
        m_RealHeight = value;
        resizeHeight();
        keepTopEdge();
    } else {
        repaint();
    }
}

void Seal::setRowCol(const bool &value)
{
    if (m_RowCol == value)
        return;
    m_RowCol = value;
    if (m_SealType == SealType::stHorzText) {
        std::swap(m_RealWidth, m_RealHeight);
        const long double k = scale();
        setBounds(m_left, m_top, roundHalfEven(k * m_RealWidth), roundHalfEven(k * m_RealHeight));
        keepLeftEdge();
        keepTopEdge();
    } else {
        repaint();
    }
}

void Seal::setRowColCount(const int &value)
{
    // The given value is compared, not the clamped one: setting 0 or less on a count of 1 still
    // fits the block to one line.
    if (m_RowColCount == value)
        return;
    const int n = std::max(1, value);
    m_RowColCount = n;
    if (m_SealType != SealType::stHorzText) {
        repaint();
        return;
    }
    const long double k = scale();
    // Products in extended precision: 5 x 0.1f is a hair above 0.5 and must count as too wide.
    if (n * static_cast<long double>(m_TextWidth) > m_RealWidth) {
        setRealWidth(static_cast<float>(n * static_cast<long double>(m_TextWidth) + n * 0.2L));
        resizeWidth();
        if (k != 0)
            setRealCenterX(static_cast<float>(m_left / k + m_RealWidth / 2.0L));
    } else if (n * static_cast<long double>(m_TextHeight) > m_RealHeight) {
        setRealHeight(static_cast<float>(n * static_cast<long double>(m_TextHeight) + n * 0.2L));
        resizeHeight();
        if (k != 0)
            setRealCenterY(static_cast<float>(m_top / k + m_RealHeight / 2.0L));
    }
    if (n == 1 && m_RowCol) {
        setRealHeight(m_TextHeight);
        resizeHeight();
        if (k != 0)
            setRealCenterY(static_cast<float>(m_top / k + m_RealHeight / 2.0L));
    } else if (n == 1 && !m_RowCol) {
        setRealWidth(m_TextWidth);
        resizeWidth();
        if (k != 0)
            setRealCenterX(static_cast<float>(m_left / k + m_RealWidth / 2.0L));
    }
}

void Seal::setBoxFromAngle()
{
    const long double a = m_TextAngle * M_PIl / 1800;
    m_RealWidth = static_cast<float>(m_RealTextLength * std::fabs(std::cos(a)));
    m_RealHeight = static_cast<float>(m_RealTextLength * std::fabs(std::sin(a)));
    const long double k = scale();
    setBounds(m_left, m_top, roundHalfEven(k * m_RealWidth), roundHalfEven(k * m_RealHeight));
    keepLeftEdge();
    keepTopEdge();
}

void Seal::setTextAngle(const int &value)
{
    if (m_TextAngle == value)
        return;
    m_TextAngle = value;
    // The box may keep its size (450 and 1350 give the same box) while the line turns over, so
    // the element is painted again either way.
    if (m_SealType == SealType::stAnyAngleLine || m_SealType == SealType::stAnyAngleText)
        setBoxFromAngle();
    repaint();
}

void Seal::setRealTextLength(const float &value)
{
    if (m_SealType != SealType::stAnyAngleLine && m_SealType != SealType::stAnyAngleText)
        return;
    if (m_RealTextLength == value)
        return;
    m_RealTextLength = value;
    setBoxFromAngle();
}

void Seal::setLineCount(const int &value)
{
    if (m_LineCount == value)
        return;
    m_LineCount = value;
    // A damaged document may ask for billions of lines; no frame shows more than the cap.
    m_linePoints.resize(std::clamp(value, 0, LinePoints::MaxLines));
    buildLinePoints();
    repaint();
}

void Seal::setRealCenterX(const float &value)
{
    if (m_RealCenterX == value)
        return;
    m_RealCenterX = value;
    setBounds(roundHalfEven((value - m_RealWidth / 2.0L) * m_PixelsPerMm * m_Zoom / 100), m_top, m_width, m_height);
}

void Seal::setRealCenterY(const float &value)
{
    if (m_RealCenterY == value)
        return;
    m_RealCenterY = value;
    setBounds(m_left, roundHalfEven((value - m_RealHeight / 2.0L) * m_PixelsPerMm * m_Zoom / 100), m_width, m_height);
}

void Seal::setPixelsPerMm(const float &value)
{
    if (m_PixelsPerMm == value)
        return;
    m_PixelsPerMm = value;
    moveToCentre();
}

void Seal::setZoom(const int &value)
{
    if (m_Zoom == value)
        return;
    // Placed about its centre and sized in one step: a page hears of the change once.
    placeAtScale(m_PixelsPerMm, value);
}

void Seal::placeAtScale(float pixelsPerMm, int zoom)
{
    m_PixelsPerMm = pixelsPerMm;
    m_Zoom = zoom;
    const long double k = scale();
    setBounds(roundHalfEven(k * (m_RealCenterX - m_RealWidth / 2.0L)),
              roundHalfEven(k * (m_RealCenterY - m_RealHeight / 2.0L)), roundHalfEven(k * m_RealWidth),
              roundHalfEven(k * m_RealHeight));
    buildLinePoints();
}

void Seal::buildLinePoints()
{
    const int p = roundHalfEven(scale() * m_PenWidth);
    const int n = m_LineCount;
    const int kind = int(m_SealType);
    if (kind <= int(SealType::stRect)) {
        if (m_NameSealFrameType == FrameType::ftEllipse)
            m_linePoints =
                LinePoints::oval(m_width, m_height, m_OutSide, m_InSide, !m_CodeTopOrDown, m_LineAngle, n, p);
        else
            m_linePoints = LinePoints::rectangle(m_width, m_height, m_OutSide, m_InSide, n, p);
    } else if (kind == int(SealType::stEllipse) || kind == int(SealType::stEpsCL)) {
        m_linePoints = LinePoints::oval(m_width, m_height, m_OutSide, m_InSide, !m_CodeTopOrDown, m_LineAngle, n, p);
    } else if (kind == int(SealType::stTriangle)) {
        m_linePoints = LinePoints::triangle(m_width, m_height, m_OutSide, m_InSide, n, p);
    } else if (kind == int(SealType::stRhomb)) {
        m_linePoints = LinePoints::rhomb(m_width, m_height, m_OutSide, m_InSide, n, p);
    }
}

} // namespace qm
