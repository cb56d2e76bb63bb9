#include "properties/propertycontrols.h"

#include "seal/sealpropertytable.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

using enum BoxKind;
using enum SealType;
constexpr MaskKind G = MaskKind::General;
constexpr MaskKind T = MaskKind::Text;

constexpr BoxRange Mm{0, 999};
constexpr BoxRange Offset{-100, 999};
constexpr BoxRange Free{0, 0, true};
constexpr BoxRange None{};
constexpr const char16_t *mm = u"mm";
constexpr const char16_t *deg = u"°";
constexpr const char16_t *hundredths = u"0.01 mm";

const QList<PropertyControl> &buildControls()
{
    static const QList<PropertyControl> controls{
        // Page A.
        {1, "RxSpinEdit1", QT_TRANSLATE_NOOP("Properties", "横向定位："), 1, Float, Mm, G, 1, "RealCenterX", mm},
        {2, "RxSpinEdit2", QT_TRANSLATE_NOOP("Properties", "纵向定位："), 1, Float, Offset, G, 2, "RealCenterY", mm},
        {3, "RxSpinEdit3", QT_TRANSLATE_NOOP("Properties", "线    宽："), 2, Float, Mm, G, 3, "PenWidth", mm},
        {4, "RxSpinEdit4", QT_TRANSLATE_NOOP("Properties", "宽    度："), 2, Float, Mm, G, 4, "RealWidth", mm},
        {5, "RxSpinEdit5", QT_TRANSLATE_NOOP("Properties", "高    度："), 2, Float, Mm, G, 5, "RealHeight", mm},
        {6, "ComboBox1", QT_TRANSLATE_NOOP("Properties", "边框类型："), 2, FrameList, None, G, 6, "NameSealFrameType",
         nullptr},
        {7, "CheckBox1", QT_TRANSLATE_NOOP("Properties", "三角形顶点在上"), 2, Check, None, G, 7, "TopOrDown", nullptr,
         false, ControlVariant{.kinds = kindBit(stArc), .label = QT_TRANSLATE_NOOP("Properties", "弧线闭合成扇形")}},
        {8, "RxSpinEdit6", QT_TRANSLATE_NOOP("Properties", "线    宽："), 3, Float, Mm, G, 8, "PenWidth1", mm, false,
         ControlVariant{.kinds = kindBit(stArc),
                        .property = "TextAngle",
                        .box = Angle,
                        .range = BoxRange{0, 999},
                        .label = QT_TRANSLATE_NOOP("Properties", "起始角度：")}},
        {9, "RxSpinEdit7", QT_TRANSLATE_NOOP("Properties", "间    距："), 3, Float, Offset, G, 9, "OutInDelta", mm,
         false,
         ControlVariant{.kinds = kindBit(stArc),
                        .property = "CodeAngle",
                        .box = Angle,
                        .range = BoxRange{-100, 999},
                        .label = QT_TRANSLATE_NOOP("Properties", "终止角度：")}},
        {10, "RxSpinEdit8", QT_TRANSLATE_NOOP("Properties", "线    宽："), 4, Float, Mm, G, 10, "PenWidth4", mm},
        {11, "RxSpinEdit9", QT_TRANSLATE_NOOP("Properties", "宽    度："), 4, Float, Mm, G, 11, "CLWidth", mm},
        {12, "RxSpinEdit10", QT_TRANSLATE_NOOP("Properties", "高    度："), 4, Float, Mm, G, 12, "CLHeight", mm},
        {13, "RxSpinEdit11", QT_TRANSLATE_NOOP("Properties", "间    距："), 4, Float, Mm, G, 13, "LineABW", mm},
        {14, "RxSpinEdit12", QT_TRANSLATE_NOOP("Properties", "水平偏移："), 4, Float, Free, G, 14, "CLineCenterX", mm},
        {15, "RxSpinEdit13", QT_TRANSLATE_NOOP("Properties", "垂直偏移："), 4, Float, Free, G, 15, "CLineCenterY", mm},
        // Page B.
        {16, "RxSpinEdit14", QT_TRANSLATE_NOOP("Properties", "线    宽："), 5, Float, Mm, G, 16, "PenWidth2", mm},
        {17, "RxSpinEdit15", QT_TRANSLATE_NOOP("Properties", "间    距："), 5, Float, Offset, G, 17, "InDelta", mm},
        {18, "RxSpinEdit16", QT_TRANSLATE_NOOP("Properties", "线    宽："), 6, Float, Mm, G, 18, "PenWidth3", mm},
        {19, "RxSpinEdit17", QT_TRANSLATE_NOOP("Properties", "宽    度："), 6, Float, Mm, G, 19, "ImageWidth", mm,
         false, ControlVariant{.kinds = kindBit(stFiveStar) | kindBit(stAnyImage), .property = "RealWidth"}},
        {20, "RxSpinEdit18", QT_TRANSLATE_NOOP("Properties", "高    度："), 6, Float, Mm, G, 20, "ImageHeight", mm,
         false, ControlVariant{.kinds = kindBit(stFiveStar) | kindBit(stAnyImage), .property = "RealHeight"}},
        {21, "RxSpinEdit19", QT_TRANSLATE_NOOP("Properties", "水平偏移："), 6, Float, Free, G, 21, "ImageCenterX", mm},
        {22, "RxSpinEdit20", QT_TRANSLATE_NOOP("Properties", "垂直偏移："), 6, Float, Free, G, 22, "ImageCenterY", mm},
        {23, "CheckBox2", QT_TRANSLATE_NOOP("Properties", "颜色跟随画笔"), 6, Check, None, G, 23, "PicClrChange",
         nullptr},
        {24, "CheckBox3", QT_TRANSLATE_NOOP("Properties", "图象透明白色"), 6, Check, None, G, 24, "PicTransParnt",
         nullptr},
        {25, "RxSpinEdit21", QT_TRANSLATE_NOOP("Properties", "线    宽："), 7, Float, Mm, G, 25, "LineWidth", mm},
        {26, "RxSpinEdit22", QT_TRANSLATE_NOOP("Properties", "条    数："), 7, Integer, BoxRange{0, 255}, G, 26,
         "LineCount", nullptr},
        {27, "RxSpinEdit23", QT_TRANSLATE_NOOP("Properties", "环排角度："), 7, Angle, BoxRange{0, 360}, G, 27,
         "LineAngle", deg},
        {28, "CheckBox4", QT_TRANSLATE_NOOP("Properties", "直线/贝塞尔曲线"), 7, Check, None, G, 28, "LineType",
         nullptr},
        {29, "CheckBox5", QT_TRANSLATE_NOOP("Properties", "纹线破边框外沿"), 7, Check, None, G, 29, "OutSide", nullptr},
        {30, "CheckBox6", QT_TRANSLATE_NOOP("Properties", "纹线破边框内沿"), 7, Check, None, G, 30, "InSide", nullptr},
        // Page C: the line choice; the line's own controls follow in the text mask.
        {TextLineChoiceTag, "ComboBox2", QT_TRANSLATE_NOOP("Properties", "文字："), 8, LineList, None, G, 31, nullptr,
         nullptr},
        // Page D.
        {49, "ComboBox4", QT_TRANSLATE_NOOP("Properties", "字体："), 9, Font, None, G, 32, "CodeFontName", nullptr},
        {50, "Edit1", nullptr, 9, Text, None, G, 33, "Code", nullptr},
        {51, "RxSpinEdit33", QT_TRANSLATE_NOOP("Properties", "编码字宽："), 9, Float, Mm, G, 34, "CodeWidth", mm},
        {52, "RxSpinEdit34", QT_TRANSLATE_NOOP("Properties", "编码字高："), 9, Float, Mm, G, 35, "CodeHeight", mm},
        {53, "RxSpinEdit35", QT_TRANSLATE_NOOP("Properties", "编码长度："), 9, Float, Mm, G, 36, "CodeLength", mm},
        {54, "RxSpinEdit36", QT_TRANSLATE_NOOP("Properties", "离主边框："), 9, Float, Mm, G, 37, "CodeToFrame", mm},
        {55, "RxSpinEdit37", QT_TRANSLATE_NOOP("Properties", "环绕角度："), 9, Angle, BoxRange{0, 360}, G, 38,
         "CodeAngle", deg},
        {56, "RxSpinEdit38", QT_TRANSLATE_NOOP("Properties", "笔画加粗："), 9, Integer, BoxRange{0, 10000}, G, 39,
         "CodePenWidth", hundredths},
        {57, "CheckBox13", QT_TRANSLATE_NOOP("Properties", "空心轮廓字"), 9, Check, None, G, 40, "CBlank", nullptr},
        {58, "CheckBox14", QT_TRANSLATE_NOOP("Properties", "斜体字"), 9, Check, None, G, 41, "CItalic", nullptr},
        {59, "CheckBox15", QT_TRANSLATE_NOOP("Properties", "编码在边框上"), 9, Check, None, G, 42, "CodeOn", nullptr},
        {60, "CheckBox16", QT_TRANSLATE_NOOP("Properties", "编码在印章上部"), 9, Check, None, G, 43, "CodeTopOrDown",
         nullptr},
        {61, "RxSpinEdit39", QT_TRANSLATE_NOOP("Properties", "外框线宽："), 10, Float, Mm, G, 44, "PenWidth", mm},
        {62, "RxSpinEdit40", QT_TRANSLATE_NOOP("Properties", "分割线宽："), 10, Float, Mm, G, 45, "PenWidth1", mm},
        {63, "RxSpinEdit41", QT_TRANSLATE_NOOP("Properties", "表格宽度："), 10, Float, Mm, G, 46, "RealWidth", mm},
        {64, "RxSpinEdit42", QT_TRANSLATE_NOOP("Properties", "表格高度："), 10, Float, Mm, G, 47, "RealHeight", mm},
        // The grid draws RowColCount as columns and RowColCount1 as rows, whatever the labels say.
        {65, "RxSpinEdit43", QT_TRANSLATE_NOOP("Properties", "表格行数："), 10, Integer, Free, G, 48, "RowColCount",
         nullptr, true},
        {66, "RxSpinEdit44", QT_TRANSLATE_NOOP("Properties", "表格列数："), 10, Integer, Free, G, 49, "RowColCount1",
         nullptr, true},
        // The corner size sits with the main frame.
        {67, "RxSpinEdit45", QT_TRANSLATE_NOOP("Properties", "切角尺寸："), 2, Float, Mm, G, 50, "RealSR", mm, false,
         ControlVariant{.kinds = kindBit(stAnyAngleLine),
                        .property = "TextAngle",
                        .box = Angle,
                        .range = BoxRange{0, 999},
                        .label = QT_TRANSLATE_NOOP("Properties", "直线倾角：")}},

        // Text mask: page C's controls for the chosen line.
        {32, "ComboBox3", QT_TRANSLATE_NOOP("Properties", "字体："), 8, Font, None, T, 1, "FontName", nullptr},
        {33, "Memo1", nullptr, 8, Memo, None, T, 2, "Text", nullptr},
        {34, "RxSpinEdit24", QT_TRANSLATE_NOOP("Properties", "宽    度："), 8, Float, Mm, T, 3, "TextsWidth", mm, false,
         ControlVariant{.kinds = kindBit(stHorzText) | kindBit(stEllipseText) | kindBit(stAnyAngleText),
                        .property = "RealWidth"}},
        {35, "RxSpinEdit25", QT_TRANSLATE_NOOP("Properties", "高    度："), 8, Float, Mm, T, 4, "TextsHeight", mm,
         false,
         ControlVariant{.kinds = kindBit(stHorzText) | kindBit(stEllipseText) | kindBit(stAnyAngleText),
                        .property = "RealHeight"}},
        {36, "RxSpinEdit26", QT_TRANSLATE_NOOP("Properties", "字    宽："), 8, Float, Mm, T, 5, "TextWidth", mm},
        {37, "RxSpinEdit27", QT_TRANSLATE_NOOP("Properties", "字    高："), 8, Float, Mm, T, 6, "TextHeight", mm},
        {38, "RxSpinEdit28", QT_TRANSLATE_NOOP("Properties", "水平偏移："), 8, Float, Free, T, 7, "TextCenterX", mm},
        {39, "RxSpinEdit29", QT_TRANSLATE_NOOP("Properties", "垂直偏移："), 8, Float, Free, T, 8, "TextCenterY", mm},
        {40, "RxSpinEdit30", QT_TRANSLATE_NOOP("Properties", "行 列 数："), 8, Integer, BoxRange{1, 255}, T, 9,
         "RowColCount", nullptr},
        {41, "RxSpinEdit31", QT_TRANSLATE_NOOP("Properties", "环排角度："), 8, Angle, BoxRange{0, 360}, T, 10,
         "TextAngle", deg, false,
         ControlVariant{.kinds = kindBit(stAnyAngleText),
                        .label = QT_TRANSLATE_NOOP("Properties", "倾    角："),
                        .firstLineOnly = true}},
        {42, "RxSpinEdit32", QT_TRANSLATE_NOOP("Properties", "笔画加粗："), 8, Integer, BoxRange{0, 10000}, T, 11,
         "TextPenWidth", hundredths},
        {43, "CheckBox7", QT_TRANSLATE_NOOP("Properties", "空心轮廓字"), 8, Check, None, T, 12, "Blank", nullptr},
        {44, "CheckBox8", QT_TRANSLATE_NOOP("Properties", "斜体字"), 8, Check, None, T, 13, "Italic", nullptr},
        {68, "CheckBox17", QT_TRANSLATE_NOOP("Properties", "细瘦文字笔画"), 8, Weight, None, T, 14, "TextWeight",
         nullptr},
        {45, "CheckBox9", QT_TRANSLATE_NOOP("Properties", "横排 [竖排]"), 8, Check, None, T, 15, "RowCol", nullptr},
        {46, "CheckBox10", QT_TRANSLATE_NOOP("Properties", "左排 [右排]"), 8, Check, None, T, 16, "LeftRight", nullptr},
        {47, "CheckBox11", QT_TRANSLATE_NOOP("Properties", "环排 [平排]"), 8, Check, None, T, 17, "IsEllipse", nullptr},
        {48, "CheckBox12", QT_TRANSLATE_NOOP("Properties", "弧顶在上 [下]"), 8, Check, None, T, 18, "TopOrDown",
         nullptr},
    };
    return controls;
}

} // namespace

const QList<PropertyControl> &propertyControls()
{
    return buildControls();
}

const PropertyControl *controlByTag(int tag)
{
    for (const PropertyControl &c : propertyControls())
        if (c.tag == tag)
            return &c;
    return nullptr;
}

const PropertyControl *controlAt(MaskKind mask, int position)
{
    for (const PropertyControl &c : propertyControls())
        if (c.mask == mask && c.position == position)
            return &c;
    return nullptr;
}

const QList<PropertyGroup> &propertyGroups()
{
    static const QList<PropertyGroup> groups{
        {1, 1, QT_TRANSLATE_NOOP("Properties", "中心定位[mm]")},
        {2, 1, QT_TRANSLATE_NOOP("Properties", "主边框[mm]")},
        {3, 1, QT_TRANSLATE_NOOP("Properties", "主边框衬线[mm]")},
        {4, 1, QT_TRANSLATE_NOOP("Properties", "转轮框、中心线[mm]")},
        {5, 2, QT_TRANSLATE_NOOP("Properties", "内边框[mm]")},
        {6, 2, QT_TRANSLATE_NOOP("Properties", "图符[mm]")},
        {7, 2, QT_TRANSLATE_NOOP("Properties", "纹线[mm]")},
        {8, 3, QT_TRANSLATE_NOOP("Properties", "印章文字[mm]")},
        {9, 4, QT_TRANSLATE_NOOP("Properties", "印章编码[mm]")},
        {10, 4, QT_TRANSLATE_NOOP("Properties", "表格[mm]")},
    };
    return groups;
}

QString propertyText(const char *source)
{
    return QCoreApplication::translate("Properties", source);
}

QString compactLabel(const QString &label)
{
    QString text = label.trimmed();
    if (text.endsWith(u'：') || text.endsWith(u':'))
        text.chop(1);
    // Chinese labels are padded to a common width with spaces between the characters; other
    // languages keep the spaces between their words.
    const bool chinese = std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x2E80; });
    return chinese ? text.remove(u' ') : text.simplified();
}

QString arcGroupCaption()
{
    return propertyText(QT_TRANSLATE_NOOP("Properties", "弧线角度[dg.]"));
}

ControlBinding bindControl(const PropertyControl &c, SealType kind, int line)
{
    ControlBinding b;
    b.box = c.box;
    BoxRange range = c.range;
    b.label = c.label ? propertyText(c.label) : QString();
    QString property = c.property ? QString::fromLatin1(c.property) : QString();
    if (c.mask == MaskKind::Text && line > 0 && !property.isEmpty())
        property += QString::number(line);

    if (c.variant && (c.variant->kinds & kindBit(kind)) && (!c.variant->firstLineOnly || line == 0)) {
        const ControlVariant &v = *c.variant;
        if (v.property)
            property = QString::fromLatin1(v.property);
        if (v.box)
            b.box = *v.box;
        if (v.range)
            range = *v.range;
        if (v.label)
            b.label = propertyText(v.label);
    }
    b.typedLimit = b.box == BoxKind::Float || c.typedLimit;
    if (!property.isEmpty())
        b.property = findSealProperty(property);
    if (!b.property)
        return b;

    // Never beyond what the document can save and read back.
    double low = b.property->range.minimum;
    double high = b.property->range.maximum;
    if (b.box == BoxKind::Angle) {
        low /= 10;
        high /= 10;
    }
    b.minimum = range.free ? low : std::max(range.minimum, low);
    b.maximum = range.free ? high : std::min(range.maximum, high);
    return b;
}

double shownValue(BoxKind box, const QVariant &stored)
{
    switch (box) {
    case BoxKind::Float:
        return double(stored.toFloat());
    case BoxKind::Angle:
        return double(stored.toInt() / 10); // whole degrees, cut toward zero
    default:
        return double(stored.toInt());
    }
}

QVariant storedValue(BoxKind box, double shown)
{
    switch (box) {
    case BoxKind::Float:
        return QVariant::fromValue(float(shown));
    case BoxKind::Angle:
        return int(std::nearbyint(shown * 10));
    default:
        return int(std::nearbyint(shown));
    }
}

QString rangeHint(const ControlBinding &b, const PropertyControl &c)
{
    const bool degrees = b.box == BoxKind::Angle;
    const QString unit =
        degrees ? u"°"_s
                : (b.box == BoxKind::Float ? u" mm"_s : (c.unit ? u" "_s + QString::fromUtf16(c.unit) : QString()));
    const int decimals = b.box == BoxKind::Float ? 2 : 0;
    return u"%1 … %2%3"_s.arg(QString::number(b.minimum, 'f', decimals), QString::number(b.maximum, 'f', decimals),
                              unit);
}

} // namespace qm
