#include "imageio/JpegCheck.h"
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <jerror.h>
#include <jpeglib.h>

namespace {

// The check needs the coefficients of the whole picture at once; the loader never passes
// a larger picture than this allows, and beyond it the check simply finds nothing wrong.
constexpr long CheckMemory = 256L * 1024 * 1024;

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

// Reads every scan without producing pixels. Only the pointers live in this frame, so
// nothing here is lost when the decoder's error escapes back to it.
bool ReadsAllData(jpeg_decompress_struct* info, Watch* watch, const unsigned char* bytes,
                  std::size_t size) {
    if (setjmp(watch->escape) != 0) return !watch->ranOut; // other damage: the codecs judge it
    info->mem->max_memory_to_use = CheckMemory;
    jpeg_mem_src(info, bytes, static_cast<unsigned long>(size));
    jpeg_read_header(info, TRUE);
    NoteScan(*info, *watch);
    info->buffered_image = TRUE; // scans are read one by one and not turned into pixels
    jpeg_start_decompress(info);
    for (;;) {
        int status = jpeg_consume_input(info);
        if (status == JPEG_REACHED_EOI || status == JPEG_SUSPENDED) break;
        if (status == JPEG_REACHED_SOS) NoteScan(*info, *watch);
    }
    return !watch->starved && (!watch->ranOut || AllArrived(*info, *watch));
}

} // namespace

bool JpegEndsEarly(const unsigned char* bytes, std::size_t size) {
    jpeg_decompress_struct info;
    Watch watch;
    info.err = jpeg_std_error(&watch.manager);
    watch.manager.error_exit = Escape;
    watch.manager.emit_message = Note;
    jpeg_create_decompress(&info);
    const bool whole = ReadsAllData(&info, &watch, bytes, size);
    jpeg_destroy_decompress(&info);
    return !whole;
}
