#include "render/ImageFileJpeg.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
// jpeglib.h must come first: jerror.h needs its types.
#include <jerror.h>

namespace tavernrush {
namespace {

// libjpeg's error manager with room for what this check needs; libjpeg hands
// back the first member, so the struct can be found from it.
struct WarningWatch {
    jpeg_error_mgr manager;
    std::jmp_buf failed;
    bool picturePartLost = false;
};

WarningWatch& watchOf(j_common_ptr info) { return *reinterpret_cast<WarningWatch*>(info->err); }

// An error leaves no picture at all.
[[noreturn]] void stopAtError(j_common_ptr info) { std::longjmp(watchOf(info).failed, 1); }

// libjpeg itself prints only the first warning; every one is looked at here.
void noteWarning(j_common_ptr info, int level)
{
    if (level >= 0) {
        return; // trace messages
    }
    const int code = info->err->msg_code;
    if (code != JWRN_EXTRANEOUS_DATA && code != JWRN_JFIF_MAJOR) {
        watchOf(info).picturePartLost = true;
    }
}

void printNothing(j_common_ptr) {}

// Kept apart from C++ objects: the longjmp out of an error skips this
// function's frames, which therefore own nothing that needs destroying.
bool decodeWatching(const std::uint8_t* data, unsigned long size, WarningWatch& watch, jpeg_decompress_struct& info)
{
    if (setjmp(watch.failed) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    const JDIMENSION rowBytes = info.output_width * static_cast<JDIMENSION>(info.output_components);
    // From libjpeg's own pool, which jpeg_destroy_decompress frees.
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, rowBytes, 1);
    while (info.output_scanline < info.output_height) {
        jpeg_read_scanlines(&info, row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return !watch.picturePartLost;
}

} // namespace

bool jpegDecodesWhole(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty()) {
        return false;
    }
    WarningWatch watch{};
    jpeg_decompress_struct info{};
    info.err = jpeg_std_error(&watch.manager);
    watch.manager.error_exit = stopAtError;
    watch.manager.emit_message = noteWarning;
    watch.manager.output_message = printNothing;
    return decodeWatching(bytes.data(), static_cast<unsigned long>(bytes.size()), watch, info);
}

} // namespace tavernrush
