// Cutting a text at the longest head that fits a width in the current font.
#include "gfx/Text.h"
#include "gfx/TextFont.h"
#include "gfx/Utf8.h"
#include <QString>

namespace {

// The number of leading characters whose extent is at most width (pixels). Each head is
// measured from its own bytes, as MeasureText and DrawText take it, so that malformed
// bytes (which the toolkit may show as several marks) count here as they are drawn.
std::size_t CharactersThatFit(const std::string& text, const std::vector<CodePoint>& chars,
                              int width) {
    const TextFont* font = CurrentTextFont();
    if (!font) return chars.size();
    std::size_t n = 0;
    for (const CodePoint& c : chars) {
        const auto bytes = static_cast<qsizetype>(c.offset + c.length);
        if (font->metrics.horizontalAdvance(QString::fromUtf8(text.data(), bytes)) > width) break;
        ++n;
    }
    return n;
}

} // namespace

void SplitTextToWidth(const std::string& source, int width, bool wordBreak, std::string& head,
                      std::string& rest) {
    const std::string text = source; // head or rest may be the caller's text itself
    const std::vector<CodePoint> chars = DecodeUtf8(text);
    const std::size_t n = CharactersThatFit(text, chars, width);
    if (n == chars.size()) {
        head = text;
        rest.clear();
        return;
    }
    std::size_t cut = n;
    if (wordBreak) {
        // The first character that does not fit is examined first; index 0 never is.
        cut = 0;
        for (std::size_t k = n; k >= 1; --k)
            if (chars[k].value == U' ') {
                cut = k;
                break;
            }
    }
    const std::size_t bytes = chars[cut].offset;
    head = text.substr(0, bytes);
    rest = text.substr(bytes);
}
