#include "gfx/TextFont.h"
#include "gfx/Target.h"
#include <QGuiApplication>
#include <memory>

namespace {

// Installed with the program's packages; stands in for faces this machine lacks.
const char* const FallbackFamily = "DejaVu Sans";
const Font DefaultFont{"", 8, 400};

// Points to pixels at 96 dots per inch, rounded as the platform rounds (MulDiv).
int PixelsFromPoints(int points) {
    if (points <= 0) points = DefaultFont.points;
    return (points * 96 + 36) / 72;
}

QFont MakeQFont(const Font& description) {
    QFont font;
    QStringList families;
    if (!description.face.empty()) families << QString::fromStdString(description.face);
    families << FallbackFamily;
    font.setFamilies(families);
    font.setPixelSize(PixelsFromPoints(description.points));
    font.setWeight(description.weight >= 700 ? QFont::Bold : QFont::Normal);
    return font;
}

// The last font asked for, keyed by its description (a released handle's address may be
// reused by another font).
struct Cached {
    Font key;
    std::unique_ptr<TextFont> font;
};
Cached cache;

bool SameFont(const Font& a, const Font& b) {
    return a.face == b.face && a.points == b.points && a.weight == b.weight;
}

} // namespace

const TextFont* CurrentTextFont() {
    if (!QGuiApplication::instance()) return nullptr;
    const Surface* target = CurrentTarget.surface;
    const Font& wanted = target && target->state.font ? *target->state.font : DefaultFont;
    if (!cache.font || !SameFont(cache.key, wanted)) {
        QFont font = MakeQFont(wanted);
        QFontMetrics metrics(font);
        cache.key = wanted;
        cache.font = std::make_unique<TextFont>(
            TextFont{font, metrics, metrics.height(), metrics.height() + metrics.leading()});
    }
    return cache.font.get();
}
