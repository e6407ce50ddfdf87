// SPDX-License-Identifier: MIT
#include "host/input/key_gate.h"

namespace zorvik {

bool KeyGate::press(KeyCode key, bool autoRepeat, Time time)
{
    switch (key) {
    case keys::Return: {
        // Synthesized events carry no time; only the platform's own can pair up.
        const bool repeatPair = time != 0 && lastReturnRelease_ == time;
        const bool longQuiet = lastReturnEvent_ && time > *lastReturnEvent_ + repeatDelayLimit;
        const bool held = returnDown_ && !longQuiet;
        const bool fresh = !autoRepeat && !held && !repeatPair;
        returnDown_ = true;
        lastReturnEvent_ = time;
        return fresh;
    }
    case keys::Left:
        leftDown_ = true;
        return true;
    case keys::Right:
        rightDown_ = true;
        return true;
    default:
        return true;
    }
}

bool KeyGate::release(KeyCode key, bool autoRepeat, Time time)
{
    if (autoRepeat)
        return false;
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
    return true;
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
    return released;
}

} // namespace zorvik
