#pragma once

#include <QStringList>

#include <optional>

namespace qm {

// The zoom list's choices: 25 % to 600 % in steps of 25, 100 % (item 3) chosen at start.
constexpr int ZoomListFirst = 25;
constexpr int ZoomListStep = 25;
constexpr int ZoomListCount = 24;
constexpr int ZoomListStartItem = 3;
// What a typed zoom may be: the zoom tools reach a little beyond the list both ways.
constexpr int ZoomInputMin = 10;
constexpr int ZoomInputMax = 610;

QStringList zoomListItems();

// The zoom a typed or chosen text asks for: a whole number from 10 to 610, with or without a
// trailing "%", blanks around it allowed; nothing for anything else.
std::optional<int> parseZoomText(const QString &text);

QString zoomText(int zoom);

} // namespace qm
