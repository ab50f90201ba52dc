#include "app/NumberFromText.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLeadingSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Anything at or above this is out of range, however many digits follow.
constexpr std::int64_t Saturated = 1'000'000;

// Whether the fraction digits from `pos` on round the magnitude up: above one half, or
// exactly one half with an odd integer part.
bool RoundsUp(const std::string& text, std::size_t pos, std::int64_t whole) {
    if (pos >= text.size() || !IsDigit(text[pos])) return false;
    if (text[pos] > '5') return true;
    if (text[pos] < '5') return false;
    for (std::size_t i = pos + 1; i < text.size() && IsDigit(text[i]); ++i)
        if (text[i] != '0') return true;
    return whole % 2 != 0;
}

} // namespace

std::int16_t NumberFromText(const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsLeadingSpace(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) negative = text[pos++] == '-';

    bool anyDigit = false;
    std::int64_t whole = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        anyDigit = true;
        if (whole < Saturated) whole = whole * 10 + (text[pos] - '0');
    }
    bool roundUp = false;
    if (pos < text.size() && text[pos] == '.') {
        anyDigit = anyDigit || (pos + 1 < text.size() && IsDigit(text[pos + 1]));
        roundUp = RoundsUp(text, pos + 1, whole);
    }
    if (!anyDigit) return 0;

    std::int64_t value = whole + (roundUp ? 1 : 0);
    if (negative) value = -value;
    if (value < -32768 || value > 32767) return -32768;
    return static_cast<std::int16_t>(value);
}
