// SPDX-License-Identifier: MIT
#include "host/input/key_gate.h"

#include <algorithm>

namespace zorvik {

std::optional<KeyCode> KeyGate::press(KeyCode key, ScanCode scanCode, bool autoRepeat, Time time)
{
    if (scanCode != 0) {
        const auto down = std::find_if(
            held_.begin(), held_.end(), [&](const auto& held) { return held.first == scanCode; });
        if (down != held_.end())
            key = down->second; // a repeat of the key as it went down
        else
            held_.emplace_back(scanCode, key);
    }
    switch (key) {
    case keys::Return: {
        // Synthesized events carry no time; only the platform's own can pair up.
        const bool repeatPair = time != 0 && lastReturnRelease_ == time;
        const bool longQuiet = lastReturnEvent_ && time > *lastReturnEvent_ + repeatDelayLimit;
        const bool held = returnDown_ && !longQuiet;
        const bool fresh = !autoRepeat && !held && !repeatPair;
        returnDown_ = true;
        lastReturnEvent_ = time;
        return fresh ? std::optional(key) : std::nullopt;
    }
    case keys::Left:
        leftDown_ = true;
        return key;
    case keys::Right:
        rightDown_ = true;
        return key;
    default:
        return key;
    }
}

std::optional<KeyCode> KeyGate::release(KeyCode key, ScanCode scanCode, bool autoRepeat, Time time)
{
    if (autoRepeat)
        return std::nullopt;
    const auto down = std::find_if(
        held_.begin(), held_.end(), [&](const auto& held) { return held.first == scanCode; });
    if (scanCode != 0 && down != held_.end()) {
        key = down->second;
        held_.erase(down);
    }
    switch (key) {
    case keys::Return:
        returnDown_ = false;
        lastReturnRelease_ = lastReturnEvent_ = time;
        break;
    case keys::Left:
        leftDown_ = false;
        break;
    case keys::Right:
        rightDown_ = false;
        break;
    default:
        break;
    }
    return key;
}

void KeyGate::returnPressedElsewhere(Time time)
{
    returnDown_ = true;
    lastReturnEvent_ = time;
    lastReturnRelease_.reset();
}

void KeyGate::returnReleasedElsewhere()
{
    returnDown_ = false;
}

std::vector<KeyCode> KeyGate::focusLost()
{
    std::vector<KeyCode> released;
    if (leftDown_)
        released.push_back(keys::Left);
    if (rightDown_)
        released.push_back(keys::Right);
    leftDown_ = rightDown_ = false;
    returnDown_ = false;
    held_.clear();
    return released;
}

} // namespace zorvik
