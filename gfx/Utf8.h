#pragma once
// Splitting UTF-8 text into Unicode code points without ever cutting a sequence apart.
// Sequences start as RFC 3629 says: 0x00-0x7F alone, 0xC2-0xDF two bytes, 0xE0-0xEF
// three, 0xF0-0xF4 four; 0x80-0xC1 and 0xF5-0xFF never start a character.
#include <cstddef>
#include <string_view>
#include <vector>

struct CodePoint {
    char32_t value;     // U+FFFD for a byte that starts no valid sequence
    std::size_t offset; // byte offset of the first byte
    std::size_t length; // bytes, 1 to 4
};

// The character that starts at byte `offset` (< text.size()). A malformed byte counts as
// one character of its own.
CodePoint CodePointAt(std::string_view text, std::size_t offset);

// Every character of text in order.
std::vector<CodePoint> DecodeUtf8(std::string_view text);
