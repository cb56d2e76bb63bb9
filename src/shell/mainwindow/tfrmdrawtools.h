#pragma once

#include <QWidget>

namespace qm {

// The floating drawing tools palette: the placing and tool commands on 24 buttons in two
// switchable sets, and the colour square.
class TFrmDrawTools : public QWidget
{
    Q_OBJECT

public:
    explicit TFrmDrawTools(QWidget *parent = nullptr);
};

} // namespace qm
