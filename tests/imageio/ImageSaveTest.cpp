// Saving surfaces: the format each extension gives, round trips through every format,
// and failed saves that tell the user and leave the old file as it was.
#include "imageio/ImageSave.h"
#include "imageio/ImageLoad.h"
#include "platform/Messages.h"
#include "platform/SafeWrite.h"
#include "tests/imageio/ImageTesting.h"
#include "tests/support/CaseNames.h"
#include "tests/support/Pictures.h"
#include "tests/support/Scripts.h"
#include <QImageReader>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string Saved = "Grabado con exito ...";

// Saves the surface to path, answering every message; the messages shown. The save says
// it worked exactly when it told the user so.
std::vector<ShownMessage> Save(SurfaceHandle surface, const std::string& path) {
    MessageBoxScript boxes;
    const bool saved = GraphicSaveBitmapToImageFile(surface, path);
    EXPECT_EQ(saved, boxes.shown.size() == 1 && boxes.shown[0].text == Saved) << path;
    return boxes.shown;
}

// The format the file's content is in, as the codecs name it.
std::string FormatOf(const std::string& path) {
    QImageReader reader(QString::fromStdString(path));
    reader.setDecideFormatFromContent(true);
    return reader.format().toStdString();
}

// 32 x 8 smooth ramps with exactly 256 colours, so GIF can hold them all.
QImage Ramps() {
    QImage image(32, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 32; ++x) image.setPixel(x, y, qRgb(x * 8, y * 36, x * 4 + y * 16));
    return image;
}

// How far the surface is from the picture: per pixel, the largest difference of a
// channel; of those the largest and the mean.
struct Difference {
    int largest = 0;
    double mean = 0;
};
Difference DifferenceOf(SurfaceHandle surface, const QImage& picture) {
    SelectTarget(surface);
    Difference difference;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            Colour got = ReadPixel(x, y);
            QRgb want = picture.pixel(x, y);
            int pixel = std::max({std::abs(int(RedOf(got)) - qRed(want)),
                                  std::abs(int(GreenOf(got)) - qGreen(want)),
                                  std::abs(int(BlueOf(got)) - qBlue(want))});
            difference.largest = std::max(difference.largest, pixel);
            difference.mean += pixel;
        }
    ReleaseTarget();
    difference.mean /= picture.width() * picture.height();
    return difference;
}

// --- Round trips: save, load, compare ------------------------------------------------

struct RoundTrip {
    const char* extension;
    const char* format; // what the file's content must be
    int largest;        // tolerated difference per pixel (0 for the lossless formats)
    double mean;        // and on average
};
void PrintTo(const RoundTrip& trip, std::ostream* out) { *out << trip.extension; }

class SaveRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(SaveRoundTrip, LoadsBackThePicture) {
    TempFolder folder;
    std::string path = folder.File(std::string("foto") + GetParam().extension);
    QImage picture = Ramps();
    OwnedSurface surface(SurfaceFromImage(picture));

    auto shown = Save(surface.get(), path);

    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, Saved);
    EXPECT_EQ(shown[0].caption, "Programador");
    EXPECT_EQ(shown[0].style, MB_OK);
    EXPECT_EQ(FormatOf(path), GetParam().format);
    EXPECT_EQ(TargetSize(), std::make_pair(32, 8)) << "the surface stays the target";
    MessageBoxScript quiet;
    OwnedSurface loaded(GraphicLoadImageFileToBitmap(path, 0, 0));
    ASSERT_EQ(SurfaceSize(loaded.get()), std::make_pair(32, 8));
    Difference difference = DifferenceOf(loaded.get(), picture);
    EXPECT_LE(difference.largest, GetParam().largest);
    EXPECT_LE(difference.mean, GetParam().mean);
    EXPECT_EQ(FilesIn(folder.Path()),
              std::vector<std::string>{"foto" + std::string(GetParam().extension)});
}

// JPEG at quality 100 stays within a few steps on average (at the codec's default, 75,
// this picture is 6.5 off); its colour subsampling costs up to 14 where colour changes.
INSTANTIATE_TEST_SUITE_P(AllFormats, SaveRoundTrip,
                         ::testing::Values(RoundTrip{".png", "png", 0, 0},
                                           RoundTrip{".bmp", "bmp", 0, 0},
                                           RoundTrip{".tif", "tiff", 0, 0},
                                           RoundTrip{".gif", "gif", 0, 0},
                                           RoundTrip{".jpg", "jpeg", 16, 4.5}),
                         [](const auto& info) { return std::string(info.param.format); });

// --- The extension names the format ---------------------------------------------------

struct ExtensionCase {
    const char* first;  // the file name
    const char* second; // the format written
};
void PrintTo(const ExtensionCase& c, std::ostream* out) { *out << c.first << " as " << c.second; }

class SaveExtension : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(SaveExtension, WritesTheFormatItNames) {
    TempFolder folder;
    OwnedSurface surface(SurfaceFromPicture({"rg", "bK"}));
    std::string path = folder.File(GetParam().first);

    EXPECT_EQ(Save(surface.get(), path).at(0).text, Saved);
    EXPECT_EQ(FormatOf(path), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveExtension,
    ::testing::Values(ExtensionCase{"a.png", "png"}, ExtensionCase{"b.PNG", "png"},
                      ExtensionCase{"c.jpg", "jpeg"}, ExtensionCase{"d.JPEG", "jpeg"},
                      ExtensionCase{"e.jpe", "jpeg"}, ExtensionCase{"f.Gif", "gif"},
                      ExtensionCase{"g.tif", "tiff"}, ExtensionCase{"h.TIFF", "tiff"},
                      ExtensionCase{"i.bmp", "bmp"}, ExtensionCase{"con.punto.png", "png"}),
    [](const auto& info) { return CaseName(info.param.first); });

class SaveUnknownExtension : public ::testing::TestWithParam<const char*> {};

TEST_P(SaveUnknownExtension, IsRefusedAndWritesNothing) {
    TempFolder folder;
    std::filesystem::create_directory(folder.File("fotos.2024"));
    OwnedSurface surface(SurfaceFromPicture({"rg"}));
    std::string path = folder.File(GetParam());

    auto shown = Save(surface.get(), path);

    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Formato de imagen desconocido ...\r\n" + path);
    EXPECT_EQ(shown[0].caption, "Programador");
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"fotos.2024"});
    EXPECT_TRUE(FilesIn(folder.File("fotos.2024")).empty());
}

INSTANTIATE_TEST_SUITE_P(Names, SaveUnknownExtension,
                         ::testing::Values("foto", "foto.webp", "foto.png.bak", "foto.",
                                           "fotos.2024/foto"));

// --- Failed saves --------------------------------------------------------------------

const QByteArray OldContent("el fichero de antes");

// Each case answers the path to save to; the folder holds "viejo.png" with OldContent.
struct FailedSave {
    const char* name;
    std::string (*target)(const TempFolder&);
};
void PrintTo(const FailedSave& save, std::ostream* out) { *out << save.name; }

class SaveFails : public ::testing::TestWithParam<FailedSave> {};

TEST_P(SaveFails, TellsTheUserAndKeepsTheOldFile) {
    TempFolder folder;
    WriteBytes(folder.File("viejo.png"), OldContent);
    std::string path = GetParam().target(folder);
    if (path.empty()) GTEST_SKIP() << "nothing here makes a file unwritable";
    auto before = FilesIn(folder.Path());
    OwnedSurface surface(SurfaceFromPicture({"rg"}));

    auto shown = Save(surface.get(), path);

    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Error al grabar ...\r\n" + path);
    EXPECT_EQ(shown[0].caption, "Programador");
    EXPECT_EQ(ReadBytes(folder.File("viejo.png")), OldContent);
    chmod(folder.Path().c_str(), 0700);
    EXPECT_EQ(FilesIn(folder.Path()), before) << "no temporary file is left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Targets, SaveFails,
    ::testing::Values(
        FailedSave{"MissingFolder", [](const TempFolder& f) { return f.File("no/foto.png"); }},
        FailedSave{"ParentIsAFile", [](const TempFolder& f) { return f.File("viejo.png/a.png"); }},
        FailedSave{"TargetIsAFolder",
                   [](const TempFolder& f) {
                       std::filesystem::create_directory(f.File("carpeta.png"));
                       return f.File("carpeta.png");
                   }},
        FailedSave{"ReadOnlyFile",
                   [](const TempFolder& f) {
                       std::string file = f.File("viejo.png");
                       return MakeUnwritable(file) ? file : std::string();
                   }},
        // A new file cannot be made there (an existing one is overwritten in place).
        FailedSave{"NewFileInReadOnlyFolder",
                   [](const TempFolder& f) {
                       return MakeUnwritable(f.Path()) ? f.File("nuevo.png") : std::string();
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

// An overwrite where the file is (it has a second name) that fails midway and cannot be
// undone either: the message names the old contents' copy, on a line of its own.
TEST(SaveOverwriteFails, TheMessageNamesTheOldContentsCopy) {
    TempFolder folder;
    const std::string path = folder.File("viejo.png");
    WriteBytes(path, OldContent);
    std::filesystem::create_hard_link(path, folder.File("enlace.png"));
    OwnedSurface surface(SurfaceFromPicture({"rg"}));
    SetWriteFailureForTesting(EIO, OldContent.size() + 10);
    auto shown = Save(surface.get(), path);
    SetWriteFailureForTesting(0);
    const std::string copy = folder.File(FilesIn(folder.Path()).at(0)); // hidden: first
    EXPECT_EQ(ReadBytes(copy), OldContent);
    EXPECT_EQ(shown.at(0).text, "Error al grabar ...\r\n" + path + "\r\n" + copy);
}

// --- Replacing -----------------------------------------------------------------------

TEST(SaveReplace, ReplacesAnEarlierSaveAndKeepsItsPermissions) {
    TempFolder folder;
    std::string path = folder.File("foto.png");
    OwnedSurface first(SurfaceFromPicture({"rr"})), second(SurfaceFromPicture({"bb"}));
    Save(first.get(), path);
    chmod(path.c_str(), 0640);

    EXPECT_EQ(Save(second.get(), path).at(0).text, Saved);

    MessageBoxScript quiet;
    OwnedSurface loaded(GraphicLoadImageFileToBitmap(path, 0, 0));
    EXPECT_EQ(Picture(loaded.get()), std::vector<std::string>{"bb"});
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(SaveReplace, ThroughASymbolicLinkReplacesTheFileItNames) {
    TempFolder folder;
    WriteBytes(folder.File("real.png"), OldContent);
    std::filesystem::create_symlink(folder.File("real.png"), folder.File("enlace.png"));
    OwnedSurface surface(SurfaceFromPicture({"gg"}));

    Save(surface.get(), folder.File("enlace.png"));

    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("enlace.png")));
    EXPECT_EQ(FormatOf(folder.File("real.png")), "png");
}

// PNG and TIFF are stored compressed: "best quality" must not mean "no compression".
class SaveCompressed : public ::testing::TestWithParam<const char*> {};

TEST_P(SaveCompressed, IsFarSmallerThanThePixels) {
    TempFolder folder;
    QImage picture(200, 200, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 30));
    OwnedSurface surface(SurfaceFromImage(picture));
    std::string path = folder.File(std::string("liso") + GetParam());

    Save(surface.get(), path);

    EXPECT_LT(std::filesystem::file_size(path), 200u * 200u * 3u / 10u);
}

INSTANTIATE_TEST_SUITE_P(Lossless, SaveCompressed, ::testing::Values(".png", ".tif"));

} // namespace
