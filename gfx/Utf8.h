#pragma once
// Splitting UTF-8 text into Unicode code points without ever cutting a sequence apart.
#include <cstddef>
#include <string_view>
#include <vector>

struct CodePoint {
    char32_t value;     // U+FFFD for a byte that starts no valid sequence
    std::size_t offset; // byte offset of the first byte
    std::size_t length; // bytes, 1 to 4
};

// Every character of text in order. A malformed byte counts as one character of its own.
std::vector<CodePoint> DecodeUtf8(std::string_view text);
