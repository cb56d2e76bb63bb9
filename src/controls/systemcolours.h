#pragma once

#include <QColor>
#include <QPalette>

namespace qm {

// The system colours the owner-drawn controls name, taken from the widget's palette so that
// they follow the desktop's theme.
inline QColor buttonFaceColour(const QPalette &p)
{
    return p.color(QPalette::Button);
}
inline QColor highlightColour(const QPalette &p)
{
    return p.color(QPalette::Highlight);
}
inline QColor light3DColour(const QPalette &p)
{
    return p.color(QPalette::Midlight);
}
inline QColor inactiveBorderColour(const QPalette &p)
{
    return p.color(QPalette::Mid);
}
inline QColor hotLightColour(const QPalette &p)
{
    return p.color(QPalette::Link);
}

} // namespace qm
