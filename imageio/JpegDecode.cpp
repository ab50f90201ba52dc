#include "imageio/JpegDecode.h"
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <jerror.h>
#include <jpeglib.h>
#include <vector>

namespace {

// The decoder keeps the coefficients of the whole picture at once (so that the scans can
// be counted and checked before any pixel is made); a picture that needs more is refused.
// The loader never passes one larger than 1071 x 1071, which needs a few megabytes.
constexpr long DecodeMemory = 256L * 1024 * 1024;

// What the decoder told us while it read; the error manager comes first, so the
// decoder's pointer to it is also a pointer to the whole.
struct Watch {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
    bool ranOut = false;  // it asked for bytes past the end (the source then gives it EOI)
    bool starved = false; // and then lacked image data
    bool scanned[MAX_COMPONENTS] = {};
};

Watch& WatchOf(j_common_ptr info) { return *reinterpret_cast<Watch*>(info->err); }

void Escape(j_common_ptr info) { std::longjmp(WatchOf(info).escape, 1); }

// Warnings carry level -1; trace messages are not looked at.
void Note(j_common_ptr info, int level) {
    if (level >= 0) return;
    Watch& watch = WatchOf(info);
    const int code = info->err->msg_code;
    if (code == JWRN_JPEG_EOF)
        watch.ranOut = true;
    else if (watch.ranOut && (code == JWRN_HIT_MARKER || code == JWRN_MUST_RESYNC))
        watch.starved = true; // the entropy decoder or a restart found the end instead of data
}

void NoteScan(const jpeg_decompress_struct& info, Watch& watch) {
    for (int i = 0; i < info.comps_in_scan; ++i)
        watch.scanned[info.cur_comp_info[i]->component_index] = true;
}

bool AllArrived(const jpeg_decompress_struct& info, const Watch& watch) {
    for (int c = 0; c < info.num_components; ++c) {
        if (!watch.scanned[c]) return false;
        if (!info.progressive_mode) continue;
        for (int k = 0; k < DCTSIZE2; ++k)
            if (info.coef_bits[c][k] != 0) return false; // not at full precision
    }
    return true;
}

// Reads every scan into the coefficients without producing pixels; false when there are
// too many or the data ends early.
bool ReadScans(jpeg_decompress_struct* info, Watch* watch) {
    NoteScan(*info, *watch);
    info->buffered_image = TRUE;
    jpeg_start_decompress(info);
    for (;;) {
        const int status = jpeg_consume_input(info);
        if (status == JPEG_REACHED_EOI || status == JPEG_SUSPENDED) break;
        if (status != JPEG_REACHED_SOS) continue;
        if (info->input_scan_number > MaxJpegScans) return false;
        NoteScan(*info, *watch);
    }
    return !watch->starved && (!watch->ranOut || AllArrived(*info, *watch));
}

// CMYK as the Adobe writers store it, 255 for no ink: each colour is what its ink and the
// black leave of white.
void CmykToRgb(const JSAMPLE* cmyk, uchar* rgbx, JDIMENSION width) {
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgbx += 4) {
        for (int c = 0; c < 3; ++c) rgbx[c] = uchar(cmyk[c] * cmyk[3] / 255);
        rgbx[3] = 0xFF;
    }
}

// The picture made from the coefficients read, row by row into the image.
void MakePixels(jpeg_decompress_struct* info, QImage* image, std::vector<JSAMPLE>* cmykRow) {
    const bool cmyk = info->out_color_space == JCS_CMYK;
    jpeg_start_output(info, info->input_scan_number);
    *image = QImage(int(info->output_width), int(info->output_height), QImage::Format_RGBX8888);
    if (image->isNull()) ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
    cmykRow->resize(cmyk ? std::size_t(info->output_width) * 4 : 0);
    while (info->output_scanline < info->output_height) {
        uchar* row = image->scanLine(int(info->output_scanline));
        JSAMPROW target = cmyk ? cmykRow->data() : row;
        if (jpeg_read_scanlines(info, &target, 1) != 1) ERREXIT(info, JERR_INPUT_EOF);
        if (cmyk) CmykToRgb(cmykRow->data(), row, info->output_width);
    }
    jpeg_finish_output(info);
}

// Only pointers live in this frame, so nothing here is lost when the decoder's error
// escapes back to it.
bool Decode(jpeg_decompress_struct* info, Watch* watch, const unsigned char* bytes,
            std::size_t size, QImage* image, std::vector<JSAMPLE>* cmykRow) {
    if (setjmp(watch->escape) != 0) return false;
    info->mem->max_memory_to_use = DecodeMemory;
    jpeg_mem_src(info, bytes, static_cast<unsigned long>(size));
    jpeg_read_header(info, TRUE);
    const bool inks = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    info->out_color_space = inks ? JCS_CMYK : JCS_EXT_RGBX;
    if (!ReadScans(info, watch)) return false;
    MakePixels(info, image, cmykRow);
    return true;
}

} // namespace

std::optional<QImage> DecodeJpeg(const unsigned char* bytes, std::size_t size) {
    jpeg_decompress_struct info;
    Watch watch;
    info.err = jpeg_std_error(&watch.manager);
    watch.manager.error_exit = Escape;
    watch.manager.emit_message = Note;
    jpeg_create_decompress(&info);
    QImage image;
    std::vector<JSAMPLE> cmykRow;
    const bool decoded = Decode(&info, &watch, bytes, size, &image, &cmykRow);
    jpeg_destroy_decompress(&info);
    if (!decoded) return std::nullopt;
    return image;
}
