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

} // namespace

SurfaceHandle GraphicLoadImageFileToBitmap(const std::string& path, int width, int height) {
    if (!IsExistingFile(path)) {
        ShowLoadMessage("[GraphicLoadImageFileToBitmap] called on <" + path + "> Missing file");
        return 0;
    }
    std::optional<QImage> image = DecodeImageFile(path);
    if (!image) {
        ShowLoadMessage("[GraphicLoadImageFileToBitmap] [GdipLoadImagefromFile] read error on <" +
                        path + ">");
        return 0;
    }
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
