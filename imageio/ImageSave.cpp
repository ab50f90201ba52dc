#include "imageio/ImageSave.h"
#include "imageio/ImageEncode.h"
#include "imageio/ImageFormats.h"
#include "imageio/PathParts.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "platform/SafeWrite.h"

namespace {

const char* const SaveCaption = "Programador";

// The target's pixels seen as a picture, without copying: a surface keeps them exactly as
// a PixelBlock's pixel part (bytes blue, green, red, 0, rows top first), which the
// codecs read as RGB32 (they ignore the fourth byte). Null when there is no target.
QImage WrapTargetPixels() {
    const Surface* surface = GetDrawingContext().surface;
    if (!surface) return QImage();
    return QImage(reinterpret_cast<const uchar*>(surface->Pixels()), surface->Width(),
                  surface->Height(), surface->Width() * 4, QImage::Format_RGB32);
}

void ShowSaveMessage(const std::string& text) { MessageBox(nullptr, text, SaveCaption, MB_OK); }

} // namespace

void GraphicSaveBitmapToImageFile(SurfaceHandle surface, const std::string& path) {
    SelectTarget(surface); // and it stays the current target
    std::string mime = MimeForExtension(ExtensionOf(path));
    const Encoder* encoder = mime.empty() ? nullptr : FindEncoder(mime);
    if (!encoder) {
        ShowSaveMessage("Formato de imagen desconocido ...\r\n" + path);
        return;
    }
    QImage image = WrapTargetPixels();
    bool saved = !image.isNull() && ReplaceFileWith(path, [&](int fd) {
                                        return EncodeImage(image, *encoder, fd);
                                    }).done;
    ShowSaveMessage(saved ? std::string("Grabado con exito ...")
                          : "Error al grabar ...\r\n" + path);
}
