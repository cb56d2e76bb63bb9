#include "mainwindow/drawactions.h"

#include "controls/hints.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QIcon>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

struct DrawCommand {
    const char16_t *name;
    const char16_t *caption;
    const char16_t *hint;
};

// By tag, from 1.
constexpr DrawCommand Commands[DrawActions::LastTag] = {
    {u"actDrawHorzLine", u"", u"水平线|水平线"},
    {u"actDrawVertLine", u"", u"竖直线|竖直线"},
    {u"actDrawAnyLine", u"", u"任意直线|任意直线"},
    {u"actDrawArc", u"", u"弧线或扇形|弧线或扇形"},
    {u"actDrawEllipseFrame", u"", u"圆或椭圆|圆或椭圆"},
    {u"actDrawRect", u"", u"矩形|矩形"},
    {u"actDrawRoundRect", u"", u"圆角矩形|圆角矩形"},
    {u"actDrawDiamond", u"", u"切角矩形"},
    {u"actDrawTriangle", u"", u"三角形|三角形"},
    {u"actDrawRhombFrame", u"", u"菱形|菱形"},
    {u"actDrawHorzText", u"", u"水平文字|水平文字"},
    {u"actDrawEllipseText", u"", u"环排文字|环排文字"},
    {u"actDrawAnyText", u"", u"任意角度文字|任意角度文字"},
    {u"actDrawFiveStar", u"", u"矢量五星|矢量五星"},
    {u"actDrawCell", u"", u"表格|表格"},
    {u"actDrawImage", u"", u"从文件装载图象|从文件装载图象"},
    {u"actDrawGZh", u"圆公章(&A)", u"圆公章|圆公章"},
    {u"actDrawYCW", u"圆财务专用章", u"圆财务专用章|圆财务专用章"},
    {u"actDrawYZLA", u"圆转轮印章(一)", u"圆转轮印章(1)|圆转轮印章(1)"},
    {u"actDrawYZLB", u"圆转轮印章(二)", u"圆转轮印章(2)|圆转轮印章(2)"},
    {u"actDrawEllipse", u"椭圆印章", u"椭圆印章|椭圆印章"},
    {u"actDrawFPZYZ", u"发票专用章", u"发票专用章|发票专用章"},
    {u"actDrawTYZLA", u"椭圆转轮(一)", u"椭圆转轮印章(1)|椭圆转轮印章(1)"},
    {u"actDrawTYZLB", u"椭圆转轮(二)", u"椭圆转轮印章(2)|椭圆转轮印章(2)"},
    {u"actDrawFCW", u"方财务专用章", u"方财务专用章|方财务专用章"},
    {u"actDrawZZS", u"增值税条章", u"增值税章|增值税章"},
    {u"actDrawFZLA", u"方转轮印(一)", u"方转轮印章(1)|方转轮印章(1)"},
    {u"actDrawFZLB", u"方转轮印(二)", u"方转轮印章(2)|方转轮印章(2)"},
    {u"actDrawRhomb", u"菱形印章", u"菱形印章|菱形印章"},
    {u"actDrawSJ", u"三角印章", u"三角印章|三角印章"},
    {u"actDraw22MZ", u"四字名章", u"四字方章|四字方章"},
    {u"actDraw3ZFZ", u"左一右二方章", u"左一右二方章|左一右二方章"},
    {u"actDraw3ZFZA", u"左二右一方章", u"左二右一方章|左二右一方章"},
    {u"actDraw2ZFZ", u"横排两字方章", u"横排两字方章|横排两字方章"},
    {u"actDraw3ZFZB", u"上一下二方章", u"上一下二方章|上一下二方章"},
    {u"actDraw3ZFZC", u"上二下一方章", u"上二下一方章|上二下一方章"},
    {u"actDraw2ZFZA", u"竖排两字方章", u"竖排两字方章|竖排两字方章"},
    {u"actDraw3ZBMZ", u"三字扁名章", u"三字扁章|三字扁章"},
    {u"actDraw2ZBMZ", u"两字扁名章", u"两字扁章|两字扁章"},
    {u"actDraw4ZBMZ", u"四字扁名章", u"四字扁章|四字扁章"},
    {u"actDrawAPicture", u"", u""},
    {u"actScrollPage", u"", u"抓移浏览|抓移浏览"},
    {u"actPageZoomIn", u"", u"连续放大|连续放大"},
    {u"actPageZoomOut", u"", u"连续缩小|连续缩小"},
};

} // namespace

DrawActions::DrawActions(QObject *parent) : QObject(parent), m_group(new QActionGroup(this))
{
    m_group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int tag = 1; tag <= LastTag; ++tag) {
        const DrawCommand &c = Commands[tag - 1];
        const QString caption = QString::fromUtf16(c.caption);
        const QString hint = QString::fromUtf16(c.hint);
        auto *a = new QAction(caption.isEmpty() ? shortHint(hint) : caption, this);
        a->setObjectName(QString::fromUtf16(c.name));
        a->setCheckable(true);
        a->setData(tag);
        if (!hint.isEmpty()) {
            a->setToolTip(shortHint(hint));
            a->setStatusTip(longHint(hint));
        }
        // The palette's pictures; a command without one shows its text and, in a menu, its
        // check mark.
        if (const QString picture = u":/quillmark/tools/"_s + a->objectName() + u".svg"_s; QFile::exists(picture))
            a->setIcon(QIcon(picture));
        m_group->addAction(a);
        m_actions.at(size_t(tag)) = a;
    }
}

QAction *DrawActions::action(int tag) const
{
    return tag >= 1 && tag <= LastTag ? m_actions.at(size_t(tag)) : nullptr;
}

QAction *DrawActions::checked() const
{
    return m_group->checkedAction();
}

int DrawActions::checkedTag() const
{
    const QAction *a = checked();
    return a ? a->data().toInt() : 0;
}

void DrawActions::uncheck()
{
    if (QAction *a = checked())
        a->setChecked(false);
}

} // namespace qm
