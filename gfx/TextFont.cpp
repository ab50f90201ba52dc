#include "gfx/TextFont.h"
#include "gfx/Target.h"
#include <QGuiApplication>
#include <QStringList>
#include <memory>

namespace {

const Font DefaultFont{"", 8, 400};

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

QFont QtFontOf(const Font& description) {
    const FontRendering rendering = RenderingOf(description);
    QStringList families;
    for (const std::string& family : rendering.families) families << QString::fromStdString(family);
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(rendering.pixelSize);
    font.setWeight(static_cast<QFont::Weight>(rendering.weight));
    return font;
}

const TextFont* CurrentTextFont() {
    if (!QGuiApplication::instance()) return nullptr;
    const Surface* target = CurrentTarget.surface;
    const Font& wanted = target && target->state.font ? *target->state.font : DefaultFont;
    if (!cache.font || !SameFont(cache.key, wanted)) {
        QFont font = QtFontOf(wanted);
        QFontMetrics metrics(font);
        cache.key = wanted;
        cache.font = std::make_unique<TextFont>(
            TextFont{font, metrics, metrics.height(), metrics.height() + metrics.leading()});
    }
    return cache.font.get();
}
