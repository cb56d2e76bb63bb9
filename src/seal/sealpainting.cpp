// The painting frame of Seal: scale, polarity and the dispatch on the element's kind.

#include "picture/surface.h"
#include "seal/drawingelements.h"
#include "seal/nameseals.h"
#include "seal/officialseals.h"
#include "seal/seal.h"
#include "seal/textlayouts.h"

namespace qm {

void Seal::drawSeal(int x0, int y0, Surface &surface, Colour penColor, Colour brushColor, qm::BrushStyle brushStyle)
{
    const long double k = scale();
    auto P = [k](float v) { return roundHalfEven(k * v); };
    auto Q = [k](int v) { return roundHalfEven(k * v / 100); };
    const int W = m_width;
    const int H = m_height;
    const int kind = int(m_SealType);

    auto style = [&](int weight, bool italic, bool blank, int pen, const FontSlot &face) {
        return GlyphStyle{weight, italic, blank, pen, fontSlotName(face), brushStyle, brushColor, penColor};
    };

    if (kind <= int(SealType::stName111)) {
        drawFrame(*this, surface, x0, y0, brushStyle, penColor);
        NameSealText t;
        t.text = m_Text;
        t.cy = P(m_TextCenterY);
        t.cx = P(m_TextCenterX);
        t.bh = P(m_TextsHeight);
        t.bw = P(m_TextsWidth);
        if (kind >= int(SealType::stName12) && kind <= int(SealType::stName21A)) {
            t.h1 = P(m_TextHeight1);
            t.w1 = P(m_TextWidth1);
        }
        t.h = P(m_TextHeight);
        t.w = P(m_TextWidth);
        t.boxH = H;
        t.boxW = W;
        t.style = style(m_TextWeight, m_Italic, m_Blank, Q(m_TextPenWidth), FontName());
        drawNameSeal(m_SealType, surface, x0, y0, t);
        return;
    }

    switch (m_SealType) {
    case SealType::stRect:
        drawFrame(*this, surface, x0, y0, brushStyle, penColor);
        drawRectCentreLines(*this, surface, x0, y0, brushStyle, penColor, m_IsZhuanLunA);
        drawSealTexts(*this, surface, x0, y0, brushStyle, penColor);
        break;
    case SealType::stEllipse:
        drawFrame(*this, surface, x0, y0, brushStyle, penColor);
        if (m_IsZhuanLunA)
            drawRectCentreLines(*this, surface, x0, y0, brushStyle, penColor, true);
        else
            drawOvalCentreLines(*this, surface, x0, y0, brushStyle, penColor);
        drawSealTexts(*this, surface, x0, y0, brushStyle, penColor);
        break;
    case SealType::stEpsCL:
        drawFrame(*this, surface, x0, y0, brushStyle, penColor);
        drawSingleCentreLine(*this, surface, x0, y0, brushStyle, penColor);
        drawSealTexts(*this, surface, x0, y0, brushStyle, penColor);
        break;
    case SealType::stTriangle:
    case SealType::stRhomb:
        drawFrame(*this, surface, x0, y0, brushStyle, penColor);
        drawRectCentreLines(*this, surface, x0, y0, brushStyle, penColor, true);
        drawSealTexts(*this, surface, x0, y0, brushStyle, penColor);
        break;
    case SealType::stHorzLine:
        drawHorizontalLine(surface, x0, y0, P(m_PenWidth), W, penColor);
        break;
    case SealType::stVertLine:
        drawVerticalLine(surface, x0, y0, P(m_PenWidth), H, penColor);
        break;
    case SealType::stAnyAngleLine:
        drawAnyAngleLine(surface, x0, y0, brushStyle, brushColor, penColor, P(m_PenWidth), m_TextAngle,
                         P(m_RealTextLength), H, W);
        break;
    case SealType::stArc:
        drawArc(surface, x0, y0, P(m_PenWidth), m_TextAngle, m_CodeAngle, H, W, m_TopOrDown, brushStyle, brushColor,
                penColor);
        break;
    case SealType::stHorzText: {
        TextBlock b;
        b.text = m_Text;
        b.leftRight = m_LeftRight;
        b.rowCol = m_RowCol;
        b.lineCount = m_RowColCount;
        b.boxH = H;
        b.boxW = W;
        b.blockH = H;
        b.blockW = W;
        b.th = P(m_TextHeight);
        b.tw = P(m_TextWidth);
        b.style = style(m_TextWeight, m_Italic, m_Blank, Q(m_TextPenWidth), FontName());
        drawTextBlock(surface, x0, y0, b);
        break;
    }
    case SealType::stEllipseText: {
        EllipseText e;
        e.text = m_Text;
        e.span = m_TextAngle;
        e.th = P(m_TextHeight);
        e.tw = P(m_TextWidth);
        e.ellipseH = H;
        e.ellipseW = W;
        e.boxH = H;
        e.boxW = W;
        e.topOrDown = m_TopOrDown;
        e.style = style(m_TextWeight, m_Italic, m_Blank, Q(m_TextPenWidth), FontName());
        drawEllipseText(surface, x0, y0, e);
        break;
    }
    case SealType::stAnyAngleText: {
        AnyAngleText a;
        a.text = m_Text;
        a.angle = m_TextAngle;
        a.length = P(m_RealTextLength);
        a.th = P(m_TextHeight);
        a.tw = P(m_TextWidth);
        a.boxH = H;
        a.boxW = W;
        a.bold = m_Bold;
        a.style = style(m_TextWeight, m_Italic, m_Blank, Q(m_TextPenWidth), FontName());
        drawAnyAngleText(surface, x0, y0, a);
        break;
    }
    case SealType::stFiveStar:
        drawFiveStar(surface, x0, y0, brushStyle, brushColor, penColor, P(m_PenWidth3), H, W);
        break;
    case SealType::stCell:
        drawCells(surface, x0, y0, P(m_PenWidth1), P(m_PenWidth), m_RowColCount1, m_RowColCount, H, W, brushStyle,
                  brushColor, penColor);
        break;
    case SealType::stAnyImage: {
        PictureOrStar p;
        p.imageIsStar = m_ImageIsStar;
        p.haveImage = m_HaveImage;
        if (m_Picture.hasGraphic()) {
            p.picBitmap = m_Picture.image();
            p.picInk = pictureColour();
            p.transparent = m_picBitmapTransparent;
        }
        p.pen = 0;
        p.ih = H;
        p.iw = W;
        p.boxH = H;
        p.boxW = W;
        p.brushStyle = brushStyle;
        p.brushColor = brushColor;
        p.penColor = penColor;
        drawPictureOrStar(surface, x0, y0, p);
        break;
    }
    default:
        break; // an unknown kind draws nothing
    }
}

void Seal::paint(Surface &surface)
{
    drawSeal(0, 0, surface, m_PenColor, m_BrushColor, m_BrushStyle);
}

void Seal::paintTo(int x, int y, Surface &surface, bool keepColours)
{
    if (keepColours || m_PenColor == clWhite) {
        drawSeal(x, y, surface, m_PenColor, m_BrushColor, m_BrushStyle);
        return;
    }
    // Drawn in black through the setter and set back, without telling the page: the element
    // looks the same before and after, and a repaint request from inside painting would loop.
    SealListener *listener = m_listener;
    m_listener = nullptr;
    const Colour kept = m_PenColor;
    setPenColor(clBlack);
    drawSeal(x, y, surface, m_PenColor, m_BrushColor, m_BrushStyle);
    setPenColor(kept);
    m_listener = listener;
}

} // namespace qm
