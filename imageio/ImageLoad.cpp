#include "imageio/ImageLoad.h"
#include "imageio/Blend.h"
#include "imageio/ImageDecode.h"
#include "imageio/PathParts.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"

namespace {

constexpr unsigned LoadMessageStyle = MB_OK | MB_TASKMODAL | MB_SETFOREGROUND;

void ShowLoadMessage(const std::string& text) {
    MessageBox(nullptr, text, DefaultCaption, LoadMessageStyle);
}

// The requested side, or the image's own when 0 is requested.
int SideOrOwn(int requested, int own) { return requested != 0 ? requested : own; }

// The picture decoded, or nothing after its message; a stated size above maxSide goes to
// tooLarge, when there is one, instead of the message.
std::optional<QImage> Decode(const std::string& path, int maxSide, QSize* tooLarge) {
    if (!IsExistingFile(path)) {
        ShowLoadMessage("[GraphicLoadImageFileToBitmap] called on <" + path + "> Missing file");
        return std::nullopt;
    }
    DecodedImage decoded = DecodeImageFile(path, maxSide);
    if (!decoded.image && decoded.tooLarge.isValid() && tooLarge) {
        *tooLarge = decoded.tooLarge;
        return std::nullopt;
    }
    if (!decoded.image)
        ShowLoadMessage("[GraphicLoadImageFileToBitmap] [GdipLoadImagefromFile] read error on <" +
                        path + ">");
    return decoded.image;
}

// The surface of the picture at the size asked for (0: its own).
SurfaceHandle MakeSurface(std::optional<QImage> image, int width, int height) {
    if (!image) return 0;
    if (image->width() == 0 || image->height() == 0) return 0;
    int surfaceWidth = SideOrOwn(width, image->width());
    int surfaceHeight = SideOrOwn(height, image->height());
    SurfaceHandle result = CreateSurface(surfaceWidth, surfaceHeight);
    if (result == 0) return 0;

    SelectTarget(result);
    ClearTarget(White);
    // Another size than the image's own: stretched to exactly that size, no aspect kept.
    if (surfaceWidth != image->width() || surfaceHeight != image->height())
        *image = image->convertToFormat(QImage::Format_ARGB32_Premultiplied)
                     .scaled(surfaceWidth, surfaceHeight, Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    BlendOntoWhite(*image, SurfaceOf(result));
    ReleaseTarget();
    return result;
}

} // namespace

SurfaceHandle GraphicLoadImageFileToBitmap(const std::string& path, int width, int height) {
    return MakeSurface(Decode(path, MaxDecodedSide, nullptr), width, height);
}

SurfaceHandle LoadImageFileWithin(const std::string& path, int maxSide, int& width, int& height) {
    QSize tooLarge;
    SurfaceHandle surface = MakeSurface(Decode(path, maxSide, &tooLarge), 0, 0);
    if (tooLarge.isValid()) width = tooLarge.width(), height = tooLarge.height();
    return surface;
}
