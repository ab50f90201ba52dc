// Any text wrapped and drawn by DrawTextBlock on a canvas control of any size. Properties:
// the text is cut into 1 to 100 lines that lose no character but the blanks dropped at
// the cuts; every line fits its width (the first the width less 5) unless it is a single
// character wider than that, the last of 100 lines, which takes what remains, or a last
// line with no more characters than the one before, which is taken as it stands (an
// empty line fits any width, even one below 0); and
// SplitTextToWidth's head and rest make up its text.
#include "fuzz/FuzzSupport.h"
#include "gfx/CanvasControl.h"
#include "gfx/Drawing.h"
#include "gfx/Text.h"
#include "gfx/Utf8.h"
#include "palette/TextBlock.h"
#include <algorithm>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

// The drawing layer knows a canvas control by (window, id) alone: a stand-in key serves,
// without the widgets (which would cost most of each run).
int standIn;
const auto Window = reinterpret_cast<WindowHandle>(&standIn);
constexpr int CanvasId = 1;

std::string WithoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
}

void CheckLines(const std::string& text, int width) {
    const std::vector<std::string> lines = WrapTextBlock(text, width);
    FUZZ_CHECK(!lines.empty() && lines.size() <= MaxTextBlockLines);
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        joined += lines[i];
        // The 100th line takes what remains; a last line with no more characters than the
        // line before it is taken to fit as it stands.
        const bool last = i + 1 == MaxTextBlockLines ||
                          (i > 0 && i + 1 == lines.size() &&
                           DecodeUtf8(lines[i]).size() <= DecodeUtf8(lines[i - 1]).size());
        int lineWidth = 0, lineHeight = 0;
        MeasureText(lines[i], lineWidth, lineHeight);
        const int limit = i == 0 ? width - 5 : width;
        FUZZ_CHECK(last || lines[i].empty() || lineWidth <= limit ||
                       DecodeUtf8(lines[i]).size() == 1,
                   "line " + std::to_string(i) + " \"" + lines[i] + "\" is " +
                       std::to_string(lineWidth) + " wide for " + std::to_string(limit));
    }
    FUZZ_CHECK(WithoutBlanks(joined) == WithoutBlanks(text), "characters were lost or added");
}

void CheckSplit(const std::string& text, int width, bool wordBreak) {
    std::string head, rest;
    SplitTextToWidth(text, width, wordBreak, head, rest);
    FUZZ_CHECK(head + rest == text, "head and rest do not make up the text");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    StartFuzzToolkit();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int width = input.ConsumeIntegralInRange(-4, 1400);
    const int height = input.ConsumeIntegralInRange(-4, 300);
    const int points = input.ConsumeIntegralInRange(-2, 48);
    const int mode = input.ConsumeIntegralInRange(AlignLeft - 1, AlignJustify + 1);
    // Near the box mostly, anywhere at all sometimes.
    const int x0 = input.ConsumeBool() ? input.ConsumeIntegral<int>()
                                       : input.ConsumeIntegralInRange(-2000, 2000);
    const int y0 = input.ConsumeBool() ? input.ConsumeIntegral<int>()
                                       : input.ConsumeIntegralInRange(-2000, 2000);
    const std::string text = input.ConsumeRandomLengthString(600);

    RegisterCanvasControl(Window, CanvasId, std::max(width, 0), std::max(height, 0),
                          [](const Rect&) {});
    FontHandle font = CreateFont("Tahoma", points, 700);
    SelectTarget(Window, CanvasId, false);
    int surfaceWidth = 0, surfaceHeight = 0;
    GetSurfaceSize(surfaceWidth, surfaceHeight);
    SelectFont(font);
    if (surfaceWidth > 0) CheckLines(text, surfaceWidth);
    CheckSplit(text, width, true);
    CheckSplit(text, width, false);
    DrawTextBlock(Window, CanvasId, text, mode, x0, y0, font, 0x123456);
    ReleaseTarget();
    DeleteFont(font);
    UnregisterCanvasControl(Window, CanvasId);
    return 0;
}
