// Loading image files into surfaces: what the user is told about files that cannot be
// used, and the pixels of those that can.
#include "imageio/ImageLoad.h"
#include "platform/Messages.h"
#include "tests/imageio/CraftedFiles.h"
#include "tests/imageio/ImageTesting.h"
#include "tests/support/PictureImage.h"
#include "tests/support/Scripts.h"
#include <QImage>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

constexpr unsigned LoadStyle = 0x00012000; // MB_OK | MB_TASKMODAL | MB_SETFOREGROUND

std::string MissingText(const std::string& path) {
    return "[GraphicLoadImageFileToBitmap] called on <" + path + "> Missing file";
}
std::string ReadErrorText(const std::string& path) {
    return "[GraphicLoadImageFileToBitmap] [GdipLoadImagefromFile] read error on <" + path + ">";
}

const std::vector<std::string> Flag = {"rgb", "KWG", "ymc"};

// A file in the folder, made by the case; answers its path.
using FileMaker = std::function<std::string(const TempFolder&)>;

FileMaker Bytes(const char* name, std::function<QByteArray()> bytes) {
    return [=](const TempFolder& folder) {
        WriteBytes(folder.File(name), bytes());
        return folder.File(name);
    };
}
FileMaker Image(const char* name, std::function<QImage()> image, const char* format) {
    return Bytes(name, [=] { return Encoded(image(), format); });
}
QByteArray CutShort(const QByteArray& bytes) { return bytes.left(bytes.size() / 2); }

// --- Files that yield no surface -----------------------------------------------------

struct BadFile {
    const char* name;
    FileMaker make;
    bool missing; // the missing-file message; otherwise the read-error message
};
void PrintTo(const BadFile& file, std::ostream* out) { *out << file.name; }

class LoadRefused : public ::testing::TestWithParam<BadFile> {};

TEST_P(LoadRefused, ShowsItsMessageAndLeavesTheTargetAlone) {
    TempFolder folder;
    std::string path = GetParam().make(folder);
    OwnedSurface before(CreateSurface(3, 2));
    SelectTarget(before.get());
    MessageBoxScript boxes;

    EXPECT_EQ(GraphicLoadImageFileToBitmap(path, 0, 0), 0u);

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, GetParam().missing ? MissingText(path) : ReadErrorText(path));
    EXPECT_EQ(boxes.shown[0].caption, "Colvero");
    EXPECT_EQ(boxes.shown[0].style, LoadStyle);
    EXPECT_EQ(TargetSize(), std::make_pair(3, 2));
}

QImage FlagImage() { return PictureImage(Flag); }

INSTANTIATE_TEST_SUITE_P(
    BadInput, LoadRefused,
    ::testing::Values(
        BadFile{"MissingFile", [](const TempFolder& f) { return f.File("nada.jpg"); }, true},
        BadFile{"Folder", [](const TempFolder& f) { return f.Path(); }, true},
        BadFile{"EmptyPath", [](const TempFolder&) { return std::string(); }, true},
        BadFile{"TextNamedJpg", Bytes("texto.jpg", [] { return QByteArray("hola\n"); }), false},
        BadFile{"EmptyFile", Bytes("vacio.png", [] { return QByteArray(); }), false},
        BadFile{"TruncatedPng",
                Bytes("corto.png", [] { return CutShort(Encoded(FlagImage(), "png")); }), false},
        BadFile{"TruncatedJpeg",
                Bytes("corto.jpg",
                      [] { return CutShort(Encoded(FlagImage().scaled(64, 64), "jpeg")); }),
                false},
        BadFile{"HugeHeaderPng", Bytes("enorme.png", [] { return PngHeaderOnly(100000, 100000); }),
                false},
        // A pipe never ends: reading it would hang the program.
        BadFile{"PipeNamedJpg",
                [](const TempFolder& f) {
                    mkfifo(f.File("tubo.jpg").c_str(), 0600);
                    return f.File("tubo.jpg");
                },
                false}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Files that load -----------------------------------------------------------------

struct GoodFile {
    const char* name;
    FileMaker make;
    std::vector<std::string> picture;
};
void PrintTo(const GoodFile& file, std::ostream* out) { *out << file.name; }

class LoadPicture : public ::testing::TestWithParam<GoodFile> {};

TEST_P(LoadPicture, GivesOneSurfacePixelPerImagePixel) {
    TempFolder folder;
    std::string path = GetParam().make(folder);
    MessageBoxScript boxes;

    OwnedSurface loaded(GraphicLoadImageFileToBitmap(path, 0, 0));

    ASSERT_NE(loaded.get(), 0u);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(TargetSize(), std::make_pair(0, 0)) << "no current target afterwards";
    EXPECT_EQ(Picture(loaded.get()), GetParam().picture);
}

QImage Converted(const std::vector<std::string>& rows, QImage::Format format) {
    return PictureImage(rows).convertToFormat(format);
}

// Fully transparent red, half-transparent red, opaque blue.
QImage AlphaImage() {
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 0));
    image.setPixel(1, 0, qRgba(255, 0, 0, 128));
    image.setPixel(2, 0, qRgba(0, 0, 255, 255));
    return image;
}

// Black and white 8 x 8 blocks: JPEG stores flat grey blocks without loss.
const std::vector<std::string> Blocks(8, "WWWWWWWWKKKKKKKK");
QByteArray BlocksJpeg() { return Encoded(PictureImage(Blocks), "jpeg"); }

QImage PaletteImage() {
    QImage image(3, 2, QImage::Format_Indexed8);
    image.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)});
    const uchar indices[2][3] = {{0, 1, 2}, {2, 1, 0}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) image.setPixel(x, y, indices[y][x]);
    return image;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, LoadPicture,
    ::testing::Values(
        GoodFile{"Png", Image("a.png", FlagImage, "png"), Flag},
        GoodFile{"PngNamedJpg", Image("a.jpg", FlagImage, "png"), Flag},
        // File names are bytes: one that is not UTF-8 still names its file.
        GoodFile{"NameNotUtf8", Image("caf\xE9.png", FlagImage, "png"), Flag},
        GoodFile{"Grey",
                 Image(
                     "g.png",
                     [] {
                         return Converted({"KGW", "WGK"}, QImage::Format_Grayscale8);
                     },
                     "png"),
                 {"KGW", "WGK"}},
        GoodFile{"Grey16",
                 Image(
                     "g16.png",
                     [] {
                         return Converted({"KW", "WK"}, QImage::Format_Grayscale16);
                     },
                     "png"),
                 {"KW", "WK"}},
        GoodFile{"Rgb16",
                 Image(
                     "c16.png", [] { return Converted(Flag, QImage::Format_RGBA64); }, "png"),
                 Flag},
        GoodFile{"Palette", Image("p.png", PaletteImage, "png"), {"rKW", "WKr"}},
        GoodFile{"InterlacedPng", Bytes("i.png", [] { return InterlacedPng(FlagImage()); }), Flag},
        GoodFile{"AlphaBlendsOntoWhite", Image("t.png", AlphaImage, "png"), {"Wpb"}},
        GoodFile{"CmykJpeg", Bytes("cmyk.jpg", [] { return CmykJpeg(255, 255, 0, 255); }),
                 std::vector<std::string>(8, "yyyyyyyy")},
        GoodFile{"Jpeg", Bytes("a.jpg", BlocksJpeg), Blocks},
        GoodFile{"JpegWithBytesAfterItsEnd",
                 Bytes("cola.jpg", [] { return BlocksJpeg() + QByteArray(100, 'x'); }), Blocks},
        GoodFile{"JpegOrientationTagIgnored",
                 Bytes("girada.jpg", [] { return WithExifOrientation(BlocksJpeg(), 6); }), Blocks},
        GoodFile{"GifFirstFrame",
                 [](const TempFolder& f) {
                     WriteTwoFrameGif(f.File("dos.gif"), qRgb(255, 0, 0), qRgb(0, 0, 255));
                     return f.File("dos.gif");
                 },
                 {"rr", "rr"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
