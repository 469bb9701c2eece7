#include "WingText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace wingtext {

namespace {

// One character of UTF-8 at s[i]; moves i past it. A byte that starts no valid sequence
// counts as one character of its own.
char32_t decode(const std::string &s, std::size_t &i)
{
    const auto byte = [&](std::size_t k) {
        return static_cast<unsigned char>(s[k]);
    };
    const unsigned char lead = byte(i);
    const int extra = lead >= 0xF8 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra == 0 || i + extra >= s.size()) {
        ++i;
        return lead;
    }
    char32_t c = lead & (0x3Fu >> extra);
    for (int k = 1; k <= extra; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return lead;
        }
        c = (c << 6) | (byte(i + k) & 0x3Fu);
    }
    i += extra + 1;
    return c;
}

bool isControlOrFormat(char32_t c)
{
    // Controls, and the line and paragraph separators, which break a line like a newline.
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029) {
        return true;
    }
    // Unicode's format characters (Cf).
    static const char32_t kFormat[][2] = {
        {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},
        {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},
        {0x200B, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
        {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
        {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
        {0xE0020, 0xE007F},
    };
    return std::any_of(std::begin(kFormat), std::end(kFormat),
                       [c](const char32_t *range) { return c >= range[0] && c <= range[1]; });
}

} // namespace

std::string shown(const std::string &path)
{
    return shortenedTo(path, 60);
}

std::string number(double v)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", v);
    const std::string s = buffer;
    return s == "-0.0" ? "0.0" : s;
}

std::string beyond(double value, double limit)
{
    const bool above = value > limit;
    for (int decimals = 1; decimals < 6; ++decimals) {
        const double unit = std::pow(10.0, decimals);
        // Rounded away from the limit, the value stays on its side.
        const double shownValue =
            above ? std::ceil(value * unit) / unit : std::floor(value * unit) / unit;
        if ((above && shownValue > limit) || (!above && shownValue < limit)) {
            char buffer[40];
            std::snprintf(buffer, sizeof buffer, "%.*f", decimals, shownValue);
            return buffer;
        }
    }
    return number(value);
}

std::string trimmed(const std::string &s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

char32_t firstControl(const std::string &utf8)
{
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = decode(utf8, i);
        if (isControlOrFormat(c)) {
            return c;
        }
    }
    return 0;
}

std::string blankControls(const std::string &utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t from = i;
        const char32_t c = decode(utf8, i);
        out += isControlOrFormat(c) ? std::string(" ") : utf8.substr(from, i - from);
    }
    return out;
}

std::size_t characters(const std::string &utf8)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size(); ++n) {
        decode(utf8, i);
    }
    return n;
}

std::string shortenedTo(const std::string &utf8, std::size_t limit)
{
    if (characters(utf8) <= limit) {
        return utf8;
    }
    std::size_t i = 0;
    for (std::size_t n = 0; n + 1 < limit; ++n) {
        decode(utf8, i);
    }
    return utf8.substr(0, i) + "…";
}

} // namespace wingtext
