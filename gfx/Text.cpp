// Text on the current target, rendered by QPainter straight onto the surface's memory.
#include "gfx/Text.h"
#include "base/Colour.h"
#include "gfx/RectOps.h"
#include "gfx/Target.h"
#include "gfx/TextFont.h"
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <functional>

namespace {

// The pixels added after blank number `index` (from 0) when `extra` pixels are spread over
// `blanks` blanks: as evenly as possible, the first blanks taking the remainder.
int Share(int extra, int blanks, int index) {
    int remainder = std::abs(extra % blanks);
    int step = extra < 0 ? -1 : 1;
    return extra / blanks + (index < remainder ? step : 0);
}

// Lays the text out from x = 0, calling place(x, piece) for each run between blanks;
// returns the advance of the whole text. Justification widens the blanks.
int LayOut(const QFontMetrics& metrics, const QString& text, const DrawingState& state,
           const std::function<void(int, const QString&)>& place) {
    if (state.justifyBlanks <= 0 || state.justifyExtra == 0) {
        if (place) place(0, text);
        return metrics.horizontalAdvance(text);
    }
    int x = 0, blank = 0, start = 0;
    const int blankAdvance = metrics.horizontalAdvance(QChar(' '));
    for (int i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != QChar(' ')) continue;
        QString piece = text.mid(start, i - start);
        if (place) place(x, piece);
        x += metrics.horizontalAdvance(piece);
        if (i < text.size()) {
            x += blankAdvance;
            if (blank < state.justifyBlanks)
                x += Share(state.justifyExtra, state.justifyBlanks, blank++);
        }
        start = i + 1;
    }
    return x;
}

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

// QPainter writes 0xFF into the fourth byte of every pixel it touches; pixels keep 0 there.
void ClearFourthByte(Surface& surface, const Rect& r) {
    for (int y = r.top; y < r.bottom; ++y) {
        std::uint32_t* row = surface.Row(y);
        for (int x = r.left; x < r.right; ++x) row[x] &= 0x00FFFFFF;
    }
}

// a + b, held at the ends of int: positions near them must not wrap around.
int SaturatedAdd(int a, int b) {
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(a) + b, INT_MIN, INT_MAX));
}

// Paints the text with its top-left at (x, y), clipped to `band` (surface pixels).
void Render(Surface& surface, const TextFont& font, const QString& text, int x, int y, int width,
            const Rect& band) {
    QImage image(reinterpret_cast<uchar*>(surface.Pixels()), surface.Width(), surface.Height(),
                 surface.Width() * 4, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setClipRect(QRect(band.left, band.top, band.right - band.left, band.bottom - band.top));
    const DrawingState& state = surface.state;
    if (!state.transparentBackground)
        painter.fillRect(QRect(x, y, width, font.height), ToQColor(state.background));
    painter.setFont(font.font);
    painter.setPen(ToQColor(state.foreground));
    const int baseline = y + font.metrics.ascent();
    LayOut(font.metrics, text, state, [&](int offset, const QString& piece) {
        painter.drawText(QPoint(x + offset, baseline), piece);
    });
    painter.end();
    ClearFourthByte(surface, band);
}

} // namespace

void SelectFont(FontHandle font) {
    if (CurrentTarget.surface) CurrentTarget.surface->state.font = font;
}

void DrawText(const std::string& text) {
    Surface* surface = CurrentTarget.surface;
    const TextFont* font = CurrentTextFont();
    if (!surface || !font) return;
    DrawingState& state = surface->state;
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const int width = LayOut(font->metrics, qtext, state, nullptr);
    const int x = state.x, y = state.y;
    const int right = SaturatedAdd(x, width), bottom = SaturatedAdd(y, font->lineHeight);
    state.x = right;
    // The text may not run past the right edge or below its own line. A text that ends
    // more than a line's height left of the surface leaves no trace on it (no glyph
    // reaches that far beyond its advance).
    Rect band = ClipTo(*surface, Rect{x, y, surface->Width(), bottom});
    if (band.Empty() || qtext.isEmpty() || SaturatedAdd(right, font->lineHeight) < 0) return;
    Render(*surface, *font, qtext, x, y, width, band);
    NoteDrawn(Rect{x, y, right, bottom});
}

void NewLine() {
    Surface* surface = CurrentTarget.surface;
    const TextFont* font = CurrentTextFont();
    if (!surface || !font) return;
    surface->state.x = 0;
    surface->state.y = SaturatedAdd(surface->state.y, font->lineHeight);
}

// The extent of the text without any justification.
void MeasureText(const std::string& text, int& width, int& height) {
    const TextFont* font = CurrentTextFont();
    width = height = 0;
    if (!font) return;
    width = font->metrics.horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    height = font->height;
}
