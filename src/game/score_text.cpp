// SPDX-License-Identifier: MIT
#include "game/score_text.h"

#include <array>
#include <charconv>
#include <cmath>

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

// std::from_chars and std::to_chars ignore the locale the toolkit sets, and never allocate.
double readScoreText(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    std::string_view number = text.substr(0, numericPrefixLength(text));
    if (number.empty())
        return 0;
    if (number.front() == '+')
        number.remove_prefix(1); // from_chars takes no plus sign
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return std::isfinite(value) ? value : 0;
}

std::string writeScoreText(double value)
{
    if (!std::isfinite(value) || value == 0)
        return "0"; // also for -0
    std::array<char, 64> buffer {};
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    const auto written = (value == std::trunc(value) && std::fabs(value) < 0x1p63)
        ? std::to_chars(first, last, static_cast<long long>(value))
        : std::to_chars(first, last, value, std::chars_format::general, 15);
    return std::string(first, written.ptr);
}

} // namespace zorvik
