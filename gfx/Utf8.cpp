#include "gfx/Utf8.h"

namespace {

// Bytes in the sequence that `lead` starts; 0 when it starts none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

} // namespace

std::vector<CodePoint> DecodeUtf8(std::string_view text) {
    std::vector<CodePoint> points;
    points.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = SequenceLength(lead);
        bool valid = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k)
            valid = IsContinuation(static_cast<unsigned char>(text[i + k]));
        if (!valid) {
            points.push_back({U'\uFFFD', i, 1});
            ++i;
            continue;
        }
        char32_t value = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
            value = (value << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) value = U'\uFFFD';
        points.push_back({value, i, length});
        i += length;
    }
    return points;
}
