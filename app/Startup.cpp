#include "app/Startup.h"
#include "app/MainWindow.h"
#include "app/RecoveryOffer.h"
#include "gfx/Drawing.h"
#include "grid/DeadRuns.h"
#include "grid/Recovery.h"
#include "imageio/FileChooser.h"
#include "imageio/ImageLoad.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "state/State.h"
#include <string>

namespace {

constexpr unsigned NoticeStyle = MB_OK | MB_TASKMODAL | MB_SETFOREGROUND; // 0x00012000
constexpr int OpenMode = 0; // the file chooser's open dialog

std::string SizeText(int width, int height) {
    return std::to_string(width) + "x" + std::to_string(height);
}

void RefuseImage() {
    const std::string limit = std::to_string(MaxImageSide);
    MessageBox(nullptr,
               "La imagen no puede ser mayor a : \r\n" + limit + "x" + limit +
                   "\r\nDisculpen ...\r\n" + SizeText(ImageWidth, ImageHeight),
               ProgramCaption, MB_OK);
}

// The surfaces would otherwise end with the process; releasing them lets a test run the
// whole program more than once in one process.
void ReleaseSurface(SurfaceHandle& surface) {
    if (surface == 0) return;
    SelectTarget(surface);
    DestroySurface();
    surface = 0;
}

bool TooLarge() { return ImageWidth > MaxImageSide || ImageHeight > MaxImageSide; }

// Runs the main window on the chosen image when it can be edited.
void EditImage() {
    if (!LoadChosenImage()) return;
    MessageBox(nullptr, SizeText(ImageWidth, ImageHeight), DefaultCaption, NoticeStyle);
    OfferRecovery();
    RunMainWindow();
    StopRecovery(); // a run that ends unasked keeps its file for the next start
}

} // namespace

bool LoadChosenImage() {
    // A picture too large to edit is refused by the size its header states, before it
    // costs the time and memory of decoding (and before the codecs' own limits refuse it
    // as unreadable).
    ImageWidth = ImageHeight = 0;
    ImageBitmap = LoadImageFileWithin(ImageFileName, MaxImageSide, ImageWidth, ImageHeight);
    if (ImageBitmap != 0) {
        SelectTarget(ImageBitmap);
        GetSurfaceSize(ImageWidth, ImageHeight);
    }
    if (TooLarge()) {
        RefuseImage();
        return false;
    }
    // Without a picture the loader has already told the user why the file cannot be read.
    return ImageBitmap != 0;
}

int ColveroMain(const std::string& file) {
    if (!StartCodecService()) {
        MessageBox(nullptr, "Error inicializando GDI+ ... (El programa necesita XP ó superior ...)",
                   DefaultCaption, NoticeStyle);
        return 0;
    }
    LeftButtonMode = MovePaper;
    // Dead runs' recovery files left alone for RecoveryMaxAgeDays go at every start, with
    // a picture or without one.
    RemoveStaleRecoveryFiles();
    if (file.empty())
        ChooseImageFile(nullptr, ImageFileName, OpenMode);
    else
        ImageFileName = file;
    if (!ImageFileName.empty()) EditImage();
    StopCodecService();
    ReleaseSurface(ViewBitmap);
    ReleaseSurface(PaperBitmap);
    ReleaseSurface(ImageBitmap);
    return 0;
}
