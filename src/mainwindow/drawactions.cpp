#include "mainwindow/drawactions.h"

#include "controls/hints.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QIcon>

namespace qm {

DrawActions::DrawActions(QObject *parent) : QObject(parent), m_group(new QActionGroup(this))
{
    m_group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const ToolInfo &tool : allTools()) {
        const QString caption = tool.captionText();
        const QString hint = tool.hintText();
        auto *a = new QAction(caption.isEmpty() ? shortHint(hint) : caption, this);
        a->setObjectName(QString::fromUtf16(tool.objectName));
        a->setCheckable(true);
        a->setData(tagOf(tool.tool));
        if (!hint.isEmpty()) {
            a->setToolTip(shortHint(hint));
            a->setStatusTip(longHint(hint));
        }
        // The palette's pictures; a command without one shows its text and, in a menu, its
        // check mark.
        if (const QString picture = tool.iconPath(); QFile::exists(picture))
            a->setIcon(QIcon(picture));
        m_group->addAction(a);
        m_actions[tool.tool] = a;
    }
}

QAction *DrawActions::action(Tool tool) const
{
    const auto it = m_actions.find(tool);
    return it == m_actions.end() ? nullptr : it->second;
}

QAction *DrawActions::checked() const
{
    return m_group->checkedAction();
}

std::optional<Tool> DrawActions::checkedTool() const
{
    const QAction *a = checked();
    return a ? toolFromTag(a->data().toInt()) : std::nullopt;
}

void DrawActions::uncheck()
{
    if (QAction *a = checked())
        a->setChecked(false);
}

} // namespace qm
