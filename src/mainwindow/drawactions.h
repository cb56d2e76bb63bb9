#pragma once

#include <QObject>

#include <array>

class QAction;
class QActionGroup;

namespace qm {

// The placing and page tool commands, one per tag 1 … 44, in one exclusive group where no
// command may be checked as well: the checked one is the page's active tool. A command
// without a caption of its own is captioned with its short hint, so menus can list it.
class DrawActions : public QObject
{
    Q_OBJECT

public:
    static constexpr int LastTag = 44;

    explicit DrawActions(QObject *parent);

    QAction *action(int tag) const;
    QActionGroup *group() const { return m_group; }
    // The checked command, none when no tool is active.
    QAction *checked() const;
    int checkedTag() const;
    void uncheck();

private:
    QActionGroup *m_group;
    std::array<QAction *, LastTag + 1> m_actions{};
};

} // namespace qm
