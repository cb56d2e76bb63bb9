// The painting frame of TSeal: scale, polarity and the dispatch on the element's kind.

#include "seal/drawingelements.h"
#include "seal/nameseals.h"
#include "seal/officialseals.h"
#include "picture/surface.h"
#include "seal/textlayouts.h"
#include "seal/tseal.h"

namespace qm {

void TSeal::DrawSeal(int x0, int y0, Surface &surface, TColor penColor, TColor brushColor, TBrushStyle brushStyle)
{
    const long double k = scale();
    auto P = [k](float v) { return Round(k * v); };
    auto Q = [k](int v) { return Round(k * v / 100); };
    const int W = m_width;
    const int H = m_height;
    const int kind = int(m_SealType);

    auto style = [&](int weight, bool italic, bool blank, int pen, const FontSlot &face) {
        return GlyphStyle{weight, italic, blank, pen, fontSlotName(face), brushStyle, brushColor, penColor};
    };

    if (kind <= int(TSealType::stName111)) {
        DrawFrame(*this, surface, x0, y0, brushStyle, penColor);
        NameSealText t;
        t.text = m_Text;
        t.cy = P(m_TextCenterY);
        t.cx = P(m_TextCenterX);
        t.bh = P(m_TextsHeight);
        t.bw = P(m_TextsWidth);
        if (kind >= int(TSealType::stName12) && kind <= int(TSealType::stName21A)) {
            t.h1 = P(m_TextHeight1);
            t.w1 = P(m_TextWidth1);
        }
        t.h = P(m_TextHeight);
        t.w = P(m_TextWidth);
        t.boxH = H;
        t.boxW = W;
        t.style = style(m_TextWeight, m_Italic, m_Blank, Q(m_TextPenWidth), FontName());
        DrawNameSeal(m_SealType, surface, x0, y0, t);
        return;
    }

    switch (m_SealType) {
    case TSealType::stRect:
        DrawFrame(*this, surface, x0, y0, brushStyle, penColor);
        DrawRectCentreLines(*this, surface, x0, y0, brushStyle, penColor, m_IsZhuanLunA);
        DrawSealTexts(*this, surface, x0, y0, brushStyle, penColor);
        break;
    case TSealType::stEllipse:
        DrawFrame(*this, surface, x0, y0, brushStyle, penColor);
        if (m_IsZhuanLunA)
            DrawRectCentreLines(*this, surface, x0, y0, brushStyle, penColor, true);
        else
            DrawOvalCentreLines(*this, surface, x0, y0, brushStyle, penColor);
        DrawSealTexts(*this, surface, x0, y0, brushStyle, penColor);
        break;
    case TSealType::stEpsCL:
        DrawFrame(*this, surface, x0, y0, brushStyle, penColor);
        DrawSingleCentreLine(*this, surface, x0, y0, brushStyle, penColor);
        DrawSealTexts(*this, surface, x0, y0, brushStyle, penColor);
        break;
    case TSealType::stTriangle:
    case TSealType::stRhomb:
        DrawFrame(*this, surface, x0, y0, brushStyle, penColor);
        DrawRectCentreLines(*this, surface, x0, y0, brushStyle, penColor, true);
        DrawSealTexts(*this, surface, x0, y0, brushStyle, penColor);
        break;
    case TSealType::stHorzLine:
        DrawHorzLine(surface, x0, y0, P(m_PenWidth), W, penColor);
        break;
    case TSealType::stVertLine:
        DrawVertLine(surface, x0, y0, P(m_PenWidth), H, penColor);
        break;
    case TSealType::stAnyAngleLine:
        DrawAnyAngleLine(surface, x0, y0, brushStyle, brushColor, penColor, P(m_PenWidth), m_TextAngle,
                         P(m_RealTextLength), H, W);
        break;
    case TSealType::stArc:
        DrawArc(surface, x0, y0, P(m_PenWidth), m_TextAngle, m_CodeAngle, H, W, m_TopOrDown, brushStyle, brushColor,
                penColor);
        break;
    case TSealType::stHorzText: {
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
        DrawTextBlock(surface, x0, y0, b);
        break;
    }
    case TSealType::stEllipseText: {
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
        DrawEllipseText(surface, x0, y0, e);
        break;
    }
    case TSealType::stAnyAngleText: {
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
        DrawAnyAngleText(surface, x0, y0, a);
        break;
    }
    case TSealType::stFiveStar:
        DrawFiveStar(surface, x0, y0, brushStyle, brushColor, penColor, P(m_PenWidth3), H, W);
        break;
    case TSealType::stCell:
        DrawCells(surface, x0, y0, P(m_PenWidth1), P(m_PenWidth), m_RowColCount1, m_RowColCount, H, W, brushStyle,
                  brushColor, penColor);
        break;
    case TSealType::stAnyImage: {
        PictureOrStar p;
        p.imageIsStar = m_ImageIsStar;
        p.haveImage = m_HaveImage;
        if (m_Picture.hasGraphic()) {
            p.picBitmap = m_picBitmap;
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
        DrawPictureOrStar(surface, x0, y0, p);
        break;
    }
    default:
        break; // an unknown kind draws nothing
    }
}

void TSeal::Paint(Surface &surface)
{
    DrawSeal(0, 0, surface, m_PenColor, m_BrushColor, m_BrushStyle);
}

void TSeal::PaintTo(int x, int y, Surface &surface, bool keepColours)
{
    if (keepColours || m_PenColor == clWhite) {
        DrawSeal(x, y, surface, m_PenColor, m_BrushColor, m_BrushStyle);
        return;
    }
    // Drawn in black through the setter and set back, without telling the page: the element
    // looks the same before and after, and a repaint request from inside painting would loop.
    SealListener *listener = m_listener;
    m_listener = nullptr;
    const TColor kept = m_PenColor;
    SetPenColor(clBlack);
    DrawSeal(x, y, surface, m_PenColor, m_BrushColor, m_BrushStyle);
    SetPenColor(kept);
    m_listener = listener;
}

} // namespace qm
