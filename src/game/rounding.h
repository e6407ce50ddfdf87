// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zorvik {

// Twips are floats; the rectangle test and the overlap depths work in integers. Both
// conversions round to nearest with halves to even and saturate at the target's limits
// (NaN reads as 0), so a ball flown far off screen never overflows.
std::int32_t roundToInt32(double value);
std::int16_t roundToInt16(double value);

} // namespace zorvik
