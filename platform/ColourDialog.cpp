// The colour chooser: the toolkit's own dialog with its 16 custom colours taken from and
// written back to the request; a test's answerer stands in for the user when set.
#include "platform/ColourDialog.h"
#include "platform/LocalRun.h"
#include <QColorDialog>

namespace {

ColourDialogAnswerer answerer;
constexpr int CustomColourCount = 16;

QColor QtColourOf(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
Colour ColourOf(const QColor& c) { return MakeColour(c.red(), c.green(), c.blue()); }

} // namespace

void SetColourDialogAnswerer(ColourDialogAnswerer newAnswerer) {
    answerer = std::move(newAnswerer);
}

std::optional<Colour> ChooseColour(const ColourDialogRequest& request) {
    if (answerer) {
        ColourDialogAnswerer answer = answerer;
        return answer(request);
    }
    int customCount = std::min(CustomColourCount, QColorDialog::customCount());
    if (request.customColours)
        for (int i = 0; i < customCount; ++i)
            QColorDialog::setCustomColor(i, QtColourOf(request.customColours[i]));
    QColorDialog dialog(QtColourOf(request.initial), OwnerWindow(request.owner));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.move(request.x, request.y); // the frame's top-left corner
    int result = RunLocally(dialog, true);
    // The user's changes to the custom colours stay, whether or not a colour was chosen.
    if (request.customColours)
        for (int i = 0; i < customCount; ++i)
            request.customColours[i] = ColourOf(QColorDialog::customColor(i));
    if (result != QDialog::Accepted) return std::nullopt;
    return ColourOf(dialog.selectedColor());
}
