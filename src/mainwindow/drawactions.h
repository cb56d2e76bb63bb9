#pragma once

#include "document/tools.h"

#include <QObject>

#include <map>
#include <optional>

class QAction;
class QActionGroup;

namespace qm {

// The placing and page tool commands, one per tool, in one exclusive group where no command
// may be checked as well: the checked one is the page's active tool. A command without a
// caption of its own is captioned with its short hint, so menus can list it.
class DrawActions : public QObject
{
    Q_OBJECT

public:
    explicit DrawActions(QObject *parent);

    QAction *action(Tool tool) const;
    QActionGroup *group() const { return m_group; }
    // The checked command, none when no tool is active.
    QAction *checked() const;
    std::optional<Tool> checkedTool() const;
    void uncheck();

private:
    QActionGroup *m_group;
    std::map<Tool, QAction *> m_actions;
};

} // namespace qm
