#pragma once
#include <cstdint>
#include <string>

// Reads the leading decimal number of text (an optional sign, digits, an optional
// fraction) after any blanks, tabs, CR and LF, and rounds it to the nearest integer, a
// half to the even neighbour. No number gives 0; a result outside -32768..32767 gives
// -32768. Exact for any length of text: the digits are never converted to floating point.
std::int16_t NumberFromText(const std::string& text);
