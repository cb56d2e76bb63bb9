// The interface language submenu of the tools menu.

#include "mainwindow/configuration.h"
#include "mainwindow/interfacelanguage.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/userdialogs.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace qm {

void MainWindow::createLanguageMenu(QMenu *parent)
{
    // Named in both languages, so that it is found whichever one the interface speaks.
    QMenu *menu = parent->addMenu(tr("界面语言(&L) / Language"));
    menu->setObjectName(u"LanguageMenu"_s);
    struct Choice {
        const char16_t *name;
        QString caption;
        QStringView value;
    };
    // A language's own name is not translated.
    const Choice choices[] = {
        {u"actToolsLanguageSystem", tr("跟随系统"), FollowSystemLanguage},
        {u"actToolsLanguageChinese", tr("中文"), ChineseLanguage},
        {u"actToolsLanguageEnglish", u"English"_s, EnglishLanguage},
    };
    QString current = m_config.interfaceLanguage();
    if (current != ChineseLanguage && current != EnglishLanguage)
        current = FollowSystemLanguage.toString();
    auto *group = new QActionGroup(menu);
    for (const Choice &choice : choices) {
        QAction *a = menu->addAction(choice.caption);
        a->setObjectName(QString::fromUtf16(choice.name));
        a->setCheckable(true);
        a->setChecked(choice.value == current);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, value = choice.value.toString()] { chooseLanguage(value); });
    }
}

void MainWindow::chooseLanguage(const QString &value)
{
    if (m_config.interfaceLanguage() == value)
        return;
    m_config.setInterfaceLanguage(value);
    m_config.sync();
    // The texts are made once at start-up; changing them all in place is not worth its risks.
    m_dialogs.message(this, QMessageBox::Information, tr("界面语言将在下次启动 Quillmark 时改变。"));
}

} // namespace qm
