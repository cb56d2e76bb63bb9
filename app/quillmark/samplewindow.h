#pragma once

#include "seal/tseal.h"

#include <QWidget>

#include <memory>
#include <vector>

namespace qm {

// A white page at 100 % showing seals: the stand-in main window until the real one exists.
class SampleWindow : public QWidget, public SealListener
{
public:
    explicit SampleWindow(std::vector<std::unique_ptr<TSeal>> seals, QWidget *parent = nullptr);

    void sealRepaint(TSeal &seal) override;
    void sealGeometryChanged(TSeal &seal) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void layoutSeals();

    std::vector<std::unique_ptr<TSeal>> m_seals;
};

} // namespace qm
