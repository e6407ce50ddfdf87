// SPDX-License-Identifier: MIT
#include "host/view/text_size.h"

#include <QFontMetricsF>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace zorvik {

namespace {

using DigitAdvances = std::array<qreal, 10>;

bool allDigits(const QString& text)
{
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// The digits' advances, if every pair of them is set exactly that wide.
std::optional<DigitAdvances> digitAdvances(const QFontMetricsF& metrics)
{
    DigitAdvances advances {};
    for (int digit = 0; digit < 10; ++digit)
        advances[digit] = metrics.horizontalAdvance(QString(QChar(u'0' + digit)));
    for (int first = 0; first < 10; ++first)
        for (int second = 0; second < 10; ++second) {
            const QChar pair[] = { QChar(u'0' + first), QChar(u'0' + second) };
            if (metrics.horizontalAdvance(QString(pair, 2)) != advances[first] + advances[second])
                return std::nullopt;
        }
    return advances;
}

qreal horizontalAdvance(const QFont& font, const QFontMetricsF& metrics, const QString& text)
{
    if (text.size() < 2 || !allDigits(text))
        return metrics.horizontalAdvance(text);
    // Made for each font the first time it sets a number of two digits or more; a game has
    // one or two such fonts, and comparing fonts is far cheaper than hashing their keys.
    static std::vector<std::pair<QFont, std::optional<DigitAdvances>>> tables;
    auto table = std::find_if(
        tables.begin(), tables.end(), [&](const auto& entry) { return entry.first == font; });
    if (table == tables.end())
        table = tables.insert(tables.end(), { font, digitAdvances(metrics) });
    if (!table->second)
        return metrics.horizontalAdvance(text);
    qreal width = 0;
    for (const QChar digit : text)
        width += (*table->second)[digit.unicode() - u'0'];
    return width;
}

} // namespace

QSize textSize(const QFont& font, const QString& text)
{
    const QFontMetricsF metrics(font);
    return { static_cast<int>(std::ceil(horizontalAdvance(font, metrics, text))),
        static_cast<int>(std::ceil(metrics.height())) };
}

} // namespace zorvik
