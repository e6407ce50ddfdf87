// SPDX-License-Identifier: MIT
#pragma once

#include "host/app/platform_problem.h"

#include <string>

namespace zorvik {

// Watches Qt start the platform `platform` (QT_QPA_PLATFORM). Where it cannot, Qt aborts with
// pages of diagnostics; from the construction of this object until started() the game holds
// Qt's messages back instead, and if Qt gives up it prints the one line of platformProblem()
// and ends the program with status 1. Letting Qt fail first, rather than checking the display
// before Qt opens it, costs the game nothing when it starts.
class PlatformStartWatch {
public:
    PlatformStartWatch(std::string platform, PlatformRequest request);
    ~PlatformStartWatch();
    PlatformStartWatch(const PlatformStartWatch&) = delete;
    PlatformStartWatch& operator=(const PlatformStartWatch&) = delete;

    // The platform is up: the messages held back go out as Qt would have printed them.
    void started();
};

} // namespace zorvik
