// SPDX-License-Identifier: MIT
#include "game/score_text.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zorvik {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the longest prefix of text that is a decimal number: optional sign,
// digits with at most one point, and an exponent only when digits follow it.
std::size_t numericPrefixLength(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

} // namespace

double readScoreText(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    const std::size_t length = numericPrefixLength(text);
    if (length == 0)
        return 0;
    const std::string number(text.substr(0, length));
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0;
}

std::string writeScoreText(double value)
{
    if (!std::isfinite(value))
        return "0";
    if (value == 0)
        return "0"; // also for -0
    std::array<char, 64> buffer {};
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        std::snprintf(buffer.data(), buffer.size(), "%.0f", value);
    else
        std::snprintf(buffer.data(), buffer.size(), "%.15g", value);
    return buffer.data();
}

} // namespace zorvik
