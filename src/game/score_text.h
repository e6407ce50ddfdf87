// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace zorvik {

// Scores live only in label captions. Reading takes the leading number of the text
// ("57 points" reads 57, "abc" reads 0); writing gives plain decimal text with no
// leading space, no plus sign and no decimal point for whole numbers ("0", "1", "57").
double readScoreText(std::string_view text);
std::string writeScoreText(double value);

} // namespace zorvik
