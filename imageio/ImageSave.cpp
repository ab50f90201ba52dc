#include "imageio/ImageSave.h"
#include "imageio/ImageEncode.h"
#include "imageio/ImageFormats.h"
#include "imageio/PathParts.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "platform/SafeWrite.h"

namespace {

// The surface's pixels seen as a picture, without copying: a surface keeps them exactly as
// a PixelBlock's pixel part (bytes blue, green, red, 0, rows top first), which the
// codecs read as RGB32 (they ignore the fourth byte). Null for an empty surface.
QImage WrapPixels(const Surface& surface) {
    if (!surface.Pixels()) return QImage();
    return QImage(reinterpret_cast<const uchar*>(surface.Pixels()), surface.Width(),
                  surface.Height(), surface.Width() * 4, QImage::Format_RGB32);
}

void ShowSaveMessage(const std::string& text) { MessageBox(nullptr, text, ProgramCaption, MB_OK); }

} // namespace

bool GraphicSaveBitmapToImageFile(SurfaceHandle surface, const std::string& path) {
    SelectTarget(surface); // and it stays the current target
    std::string mime = MimeForExtension(ExtensionOf(path));
    const Encoder* encoder = mime.empty() ? nullptr : FindEncoder(mime);
    if (!encoder) {
        ShowSaveMessage("Formato de imagen desconocido ...\r\n" + path);
        return false;
    }
    // Encoded whole before the file is touched: a codec that gives up leaves it as it was.
    QImage image = WrapPixels(SurfaceOf(surface));
    QByteArray bytes;
    FileReplacement replaced;
    if (!image.isNull() && EncodeImage(image, *encoder, bytes))
        replaced = ReplaceFile(path, bytes.constData(), std::size_t(bytes.size()));
    ShowSaveMessage(replaced.done ? std::string("Grabado con exito ...")
                                  : "Error al grabar ...\r\n" + path + KeptCopyLine(replaced));
    return replaced.done;
}
