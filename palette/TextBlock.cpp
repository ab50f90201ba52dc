#include "palette/TextBlock.h"
#include "gfx/Drawing.h"
#include "gfx/Text.h"
#include "gfx/Utf8.h"
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

std::size_t CharacterCount(const std::string& text) { return DecodeUtf8(text).size(); }

void DropLeadingBlanks(std::string& text) { text.erase(0, text.find_first_not_of(' ')); }

// Whether the text starts with blanks and its first word, without them, fits width: then
// the word can go whole to the next line, where the blanks are dropped.
bool WordFitsAfterBlanks(const std::string& text, int width) {
    std::string word = text, wordRest;
    DropLeadingBlanks(word);
    if (word.size() == text.size()) return false;
    SplitTextToWidth(word, width, true, word, wordRest);
    return !word.empty();
}

// The head of a non-empty text that fits width: cut at a blank where one fits. Where none
// does, a first word that fits the box once its leading blanks are dropped goes whole to
// the next line (an empty head); only a word wider than the box is cut inside, as it would
// otherwise be pushed down line after line, and then the head is never empty, so that
// wrapping always moves on.
void SplitLine(const std::string& text, int width, std::string& head, std::string& rest) {
    SplitTextToWidth(text, width, true, head, rest);
    if (!head.empty() || WordFitsAfterBlanks(text, width)) return;
    SplitTextToWidth(text, width, false, head, rest);
    if (!head.empty()) return;
    // One character as the split counts characters: a malformed byte is one of its own.
    const std::size_t first = CodePointAt(text, 0).length;
    head = text.substr(0, first);
    rest = text.substr(first);
}

// The first line keeps 5 pixels free. A first word that does not fit there goes whole to
// the next line, unless it is wider than the box: then it is cut here.
void SplitFirstLine(const std::string& text, int width, std::string& head, std::string& rest) {
    SplitTextToWidth(text, width - 5, true, head, rest);
    if (!head.empty() || rest.empty()) return;
    std::string wideHead, wideRest;
    SplitTextToWidth(text, width, true, wideHead, wideRest);
    if (wideHead.empty()) SplitLine(text, width - 5, head, rest);
}

int CountBlanks(const std::string& line) {
    return static_cast<int>(std::count(line.begin(), line.end(), ' '));
}

// Left edge of a line of the given width, in the control's client pixels; 64-bit, and held
// at the ends of int, so that no x0 can make it wrap round.
int LineStart(int mode, int controlWidth, int lineWidth, int x0) {
    long long start = x0;
    switch (mode) {
    case AlignRight: start += static_cast<long long>(controlWidth) - lineWidth - 3; break;
    case AlignCentre: // exact half, rounded to the nearest pixel, a half to the even one
        start += std::llrint((static_cast<double>(controlWidth) - lineWidth) / 2.0);
        break;
    default: break;
    }
    return static_cast<int>(std::clamp<long long>(start, INT_MIN, INT_MAX));
}

} // namespace

std::vector<std::string> WrapTextBlock(const std::string& text, int width) {
    std::vector<std::string> lines(MaxTextBlockLines);
    SplitFirstLine(text, width, lines[0], lines[1]);
    // A line with no more characters than the one before is taken to fit, as it stands,
    // and ends the text; a longer one is cut to the box's width, and both parts lose
    // their leading blanks. The last line keeps whatever remains.
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        if (CharacterCount(lines[i]) <= CharacterCount(lines[i - 1])) break;
        SplitLine(std::string(lines[i]), width, lines[i], lines[i + 1]);
        DropLeadingBlanks(lines[i]);
        DropLeadingBlanks(lines[i + 1]);
    }
    while (lines.size() > 1 && lines.back().empty()) lines.pop_back();
    return lines;
}

void DrawTextBlock(WindowHandle window, int controlId, const std::string& text, int mode, int x0,
                   int y0, FontHandle font, Colour textColour) {
    SelectTarget(window, controlId, false);
    SelectFont(font);
    SetColours(textColour, ColourTransparent);
    int width = 0, height = 0;
    GetSurfaceSize(width, height);
    DrawingContext context = GetDrawingContext();
    SetPosition(x0, y0);
    if (width <= 0) return; // no such control
    if (mode < AlignLeft || mode > AlignJustify) return;

    std::vector<std::string> lines = WrapTextBlock(text, width);
    std::vector<int> widths;
    int widest = 0;
    for (const std::string& line : lines) {
        int lineWidth = 0, lineHeight = 0;
        MeasureText(line, lineWidth, lineHeight);
        widths.push_back(lineWidth);
        widest = std::max(widest, lineWidth);
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        int x = 0, y = 0;
        GetPosition(x, y);
        SetPosition(LineStart(mode, width, widths[i], x0), y);
        // Justified: a line of at least 0.8 x the widest gets the missing width spread
        // over its blanks; shorter lines (a paragraph's end) stay as they are.
        int blanks = CountBlanks(lines[i]);
        bool spread =
            mode == AlignJustify && widths[i] < widest && 5 * widths[i] >= 4 * widest && blanks > 0;
        if (spread) SetTextJustification(context, widest - widths[i], blanks);
        DrawText(lines[i]);
        if (spread) SetTextJustification(context, 0, 0);
        NewLine();
    }
}
