// The frame step of every seal kind, its emblem, and the four texts of official seals.

#include "seal/officialseals.h"

#include "picture/surface.h"
#include "seal/drawingelements.h"
#include "seal/seal.h"
#include "seal/sealframes.h"
#include "seal/textlayouts.h"

namespace qm {

void drawFrame(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink)
{
    switch (frameShapeOf(seal)) {
    case FrameShape::Rectangular:
        drawOutlineFrame(seal, surface, x0, y0, brushStyle, ink, false);
        break;
    case FrameShape::Oval:
        drawOutlineFrame(seal, surface, x0, y0, brushStyle, ink, true);
        break;
    case FrameShape::Triangle:
        drawTriangleFrame(seal, surface, x0, y0, brushStyle, ink);
        break;
    case FrameShape::Rhomb:
        drawRhombFrame(seal, surface, x0, y0, brushStyle, ink);
        break;
    case FrameShape::None:
        return;
    }
    drawPatternLines(seal, surface, x0, y0, brushStyle, ink);
    drawCode(seal, surface, x0, y0, brushStyle, ink);
    drawEmblem(seal, surface, x0, y0, brushStyle, ink);
}

void drawEmblem(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink)
{
    if (!seal.HaveImage())
        return;
    PictureOrStar p;
    p.imageIsStar = seal.ImageIsStar();
    p.haveImage = seal.HaveImage();
    if (seal.Picture().hasGraphic()) {
        p.picBitmap = seal.Picture().image();
        p.picInk = seal.pictureColour();
        p.transparent = seal.pictureTransparent();
    }
    p.icx = sealPixels(seal, seal.ImageCenterX());
    p.icy = sealPixels(seal, seal.ImageCenterY());
    p.pen = sealPixels(seal, seal.PenWidth3());
    p.iw = sealPixels(seal, seal.ImageWidth());
    p.ih = sealPixels(seal, seal.ImageHeight());
    p.boxW = seal.width();
    p.boxH = seal.height();
    p.brushStyle = brushStyle;
    p.brushColor = ink;
    p.penColor = ink;
    drawPictureOrStar(surface, x0, y0, p);
}

namespace {

// One of the four texts: the properties that carry the suffix "", 1, 2 or 3.
struct SealText {
    QByteArray text;
    bool isEllipse;
    int penWidth; // hundredths of a millimetre
    int angle;
    int weight;
    float height, width, blockWidth, blockHeight, centreX, centreY;
    bool italic, blank, topOrDown, leftRight, rowCol;
    int rowColCount;
    const FontSlot &face;
};

void drawSealText(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink,
                  const SealText &t)
{
    const auto P = [&seal](float mm) { return sealPixels(seal, mm); };
    // Seals give their texts the ink as both pen and fill colour.
    const GlyphStyle style{
        t.weight,   t.italic, t.blank, roundHalfEven(seal.scale() * t.penWidth / 100), fontSlotName(t.face),
        brushStyle, ink,      ink};
    if (t.isEllipse) {
        EllipseText e;
        e.text = t.text;
        e.span = t.angle;
        e.topOrDown = t.topOrDown;
        e.ellipseW = P(t.blockWidth);
        e.ellipseH = P(t.blockHeight);
        e.boxW = seal.width();
        e.boxH = seal.height();
        e.tw = P(t.width);
        e.th = P(t.height);
        e.cx = P(t.centreX);
        e.cy = P(t.centreY);
        e.style = style;
        drawEllipseText(surface, x0, y0, e);
        return;
    }
    TextBlock b;
    b.text = t.text;
    b.leftRight = t.leftRight;
    b.rowCol = t.rowCol;
    b.lineCount = t.rowColCount;
    b.boxW = seal.width();
    b.boxH = seal.height();
    b.blockW = P(t.blockWidth);
    b.blockH = P(t.blockHeight);
    b.tw = P(t.width);
    b.th = P(t.height);
    b.cx = P(t.centreX);
    b.cy = P(t.centreY);
    b.style = style;
    drawTextBlock(surface, x0, y0, b);
}

} // namespace

void drawSealTexts(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink)
{
    const SealText texts[] = {
        {seal.Text(), seal.IsEllipse(), seal.TextPenWidth(), seal.TextAngle(), seal.TextWeight(), seal.TextHeight(),
         seal.TextWidth(), seal.TextsWidth(), seal.TextsHeight(), seal.TextCenterX(), seal.TextCenterY(), seal.Italic(),
         seal.Blank(), seal.TopOrDown(), seal.LeftRight(), seal.RowCol(), seal.RowColCount(), seal.FontName()},
        {seal.Text1(), seal.IsEllipse1(), seal.TextPenWidth1(), seal.TextAngle1(), seal.TextWeight1(),
         seal.TextHeight1(), seal.TextWidth1(), seal.TextsWidth1(), seal.TextsHeight1(), seal.TextCenterX1(),
         seal.TextCenterY1(), seal.Italic1(), seal.Blank1(), seal.TopOrDown1(), seal.LeftRight1(), seal.RowCol1(),
         seal.RowColCount1(), seal.FontName1()},
        {seal.Text2(), seal.IsEllipse2(), seal.TextPenWidth2(), seal.TextAngle2(), seal.TextWeight2(),
         seal.TextHeight2(), seal.TextWidth2(), seal.TextsWidth2(), seal.TextsHeight2(), seal.TextCenterX2(),
         seal.TextCenterY2(), seal.Italic2(), seal.Blank2(), seal.TopOrDown2(), seal.LeftRight2(), seal.RowCol2(),
         seal.RowColCount2(), seal.FontName2()},
        {seal.Text3(), seal.IsEllipse3(), seal.TextPenWidth3(), seal.TextAngle3(), seal.TextWeight3(),
         seal.TextHeight3(), seal.TextWidth3(), seal.TextsWidth3(), seal.TextsHeight3(), seal.TextCenterX3(),
         seal.TextCenterY3(), seal.Italic3(), seal.Blank3(), seal.TopOrDown3(), seal.LeftRight3(), seal.RowCol3(),
         seal.RowColCount3(), seal.FontName3()},
    };
    for (const SealText &t : texts)
        drawSealText(seal, surface, x0, y0, brushStyle, ink, t);
}

} // namespace qm
