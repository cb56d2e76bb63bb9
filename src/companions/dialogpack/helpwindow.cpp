#include "companions/dialogpack/dialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace qm::dialogpack {
namespace {

struct HelpBlock {
    const char *tag;
    const char *text;
};

// One message per heading, paragraph or list item, so that each is translated on its own.
const HelpBlock HelpBlocks[] = {
    {"h2", QT_TRANSLATE_NOOP("DialogPack", "Quillmark 8 使用帮助")},
    {"p", QT_TRANSLATE_NOOP(
              "DialogPack",
              "Quillmark "
              "用来设计、编辑、打印和导出印章：圆形与椭圆形公章、方章、三角章、菱形章、个人名章，以及直线、圆弧、文字、"
              "五角星、表格和图片等绘图元素。页面上的一切都以毫米为单位，屏幕、纸张和导出的图片尺寸一致。")},
    {"h3", QT_TRANSLATE_NOOP("DialogPack", "文档")},
    {"p", QT_TRANSLATE_NOOP(
              "DialogPack",
              "“文件”菜单新建、打开、保存和关闭印章文档（*."
              "dyz）。每个文档是一张纸，纸张大小和页边距取自当前打印机。修改过的文档在关闭前会询问是否保存。")},
    {"h3", QT_TRANSLATE_NOOP("DialogPack", "放置印章与元素")},
    {"p", QT_TRANSLATE_NOOP(
              "DialogPack",
              "在绘图工具栏或“绘图”菜单中选择一种印章或元素，再在页面上单击，新元素即以单击点为中心放下，并使用工具栏上"
              "选定的字体和工具栏颜色方块的颜色。切换按钮在“绘图模式”和“印章模式”两组工具之间切换。")},
    {"h3", QT_TRANSLATE_NOOP("DialogPack", "选择和修改")},
    {"li", QT_TRANSLATE_NOOP("DialogPack", "单击元素选中它，拖动八个手柄改变大小，拖动元素本身移动它。")},
    {"li", QT_TRANSLATE_NOOP("DialogPack", "在空白处拖出矩形可一次选中多个元素。")},
    {"li", QT_TRANSLATE_NOOP("DialogPack",
                             "剪切、复制、粘贴在各文档之间传递印章；“置前”“置后”改变叠放次序；“锁定”防止误移动。")},
    {"li", QT_TRANSLATE_NOOP("DialogPack", "属性窗口显示所选元素的全部属性：文字、字体、字号、字距、角度、边框和线宽、"
                                           "编码、徽标、颜色以及阴阳章。修改立即生效。")},
    {"h3", QT_TRANSLATE_NOOP("DialogPack", "徽标集与印章库")},
    {"p",
     QT_TRANSLATE_NOOP("DialogPack",
                       "工具栏右侧的“徽标集”标签打开内置徽标和“我的徽标库”文件夹中的图片；双击一个徽标，把它放进当前印"
                       "章的中心。“印章库”标签列出保存的印章，双击即插入当前文档；“加入印章库”把所选印章存为一项。")},
    {"h3", QT_TRANSLATE_NOOP("DialogPack", "打印和导出")},
    {"p", QT_TRANSLATE_NOOP("DialogPack",
                            "“打印预览”按实际尺寸显示页面；打印时可选择彩色或黑色、正常或镜像以及份数。“导出图片”把所选"
                            "印章写成 EMF、JPEG、GIF、TIFF 或位图文件，也可以放到剪贴板上，分辨率可选。")},
    {"h3", QT_TRANSLATE_NOOP("DialogPack", "缩放和视图")},
    {"p", QT_TRANSLATE_NOOP(
              "DialogPack",
              "工具栏上的缩放列表从 25% 到 "
              "600%；也可以使用放大、缩小和手形工具。状态栏显示鼠标在纸上的位置（毫米）、文档状态和已画图形的数目。")},
};

QString helpText()
{
    QString html;
    bool inList = false;
    for (const HelpBlock &block : HelpBlocks) {
        const QString tag = QString::fromLatin1(block.tag);
        const bool item = tag == u"li"_s;
        if (item != inList)
            html += item ? u"<ul>"_s : u"</ul>"_s;
        inList = item;
        html += u"<%1>%2</%1>"_s.arg(tag, QCoreApplication::translate("DialogPack", block.text));
    }
    if (inList)
        html += u"</ul>"_s;
    return html;
}

} // namespace

void runHelpWindow(QWidget *owner)
{
    QDialog window(owner);
    window.setObjectName(u"HelpWindow"_s);
    window.setWindowTitle(QCoreApplication::translate("DialogPack", "Quillmark 帮助"));
    window.setAccessibleName(window.windowTitle());
    window.resize(640, 480);

    auto *browser = new QTextBrowser(&window);
    browser->setAccessibleName(QCoreApplication::translate("DialogPack", "帮助内容"));
    browser->setOpenLinks(false);
    browser->setHtml(helpText());

    auto *buttons = new QDialogButtonBox(&window);
    buttons->addButton(QCoreApplication::translate("DialogPack", "关闭"), QDialogButtonBox::RejectRole)
        ->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);

    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    window.exec();
}

} // namespace qm::dialogpack
