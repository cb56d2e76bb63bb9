#pragma once

#include <QCursor>

namespace qm {

// The application's cursor while a drag lasts, restored whatever ends the drag.
class OverrideCursorGuard
{
public:
    explicit OverrideCursorGuard(const QCursor &cursor);
    ~OverrideCursorGuard();
    OverrideCursorGuard(const OverrideCursorGuard &) = delete;
    OverrideCursorGuard &operator=(const OverrideCursorGuard &) = delete;
};

// The cursors of a move drag: one seal, several seals.
QCursor dragCursor();
QCursor multiDragCursor();

} // namespace qm
