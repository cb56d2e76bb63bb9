#pragma once

#include <QString>

#include <optional>

namespace qm {

// The toggle state of the three lock keys, as the keyboard's indicators show it.
struct LockKeyStates {
    std::optional<bool> caps;
    std::optional<bool> num;
    std::optional<bool> scroll;
};

// Reads the indicators from the X server under xcb; all unknown on other platforms.
LockKeyStates readLockKeyStates();

// The three status panel texts: "CAPS: ON" / "CAPS: OFF", "NUM: ON" …, "SCRL: ON" …; an
// unknown state leaves its panel blank.
QString capsText(std::optional<bool> on);
QString numText(std::optional<bool> on);
QString scrollText(std::optional<bool> on);

} // namespace qm
