#include "render/ImageFileJpeg.h"

#include "render/DdsHeader.h"

#include <FreeImage.h>

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

bool colourSpaceIsPlain(J_COLOR_SPACE space) { return space == JCS_GRAYSCALE || space == JCS_YCbCr || space == JCS_RGB; }

// Kept apart from C++ objects like decodeWatching. The bitmap is handed out
// as soon as it exists, so that the caller frees it after an error too.
JpegDecoding decodeInto(const std::uint8_t* data, unsigned long size, bool flipVertically, WarningWatch& watch,
                        jpeg_decompress_struct& info, FIBITMAP*& bitmap)
{
    if (setjmp(watch.failed) != 0) {
        jpeg_destroy_decompress(&info);
        return JpegDecoding::failed;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return JpegDecoding::failed;
    }
    if (!colourSpaceIsPlain(info.jpeg_color_space)) {
        jpeg_destroy_decompress(&info);
        return JpegDecoding::leftToFreeImage;
    }
    // FreeImage's defaults: the fast integer transform and plain upsampling.
    info.dct_method = JDCT_IFAST;
    info.do_fancy_upsampling = FALSE;
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_calc_output_dimensions(&info);
    const JDIMENSION width = info.output_width;
    const JDIMENSION height = info.output_height;
    if (width == 0 || height == 0 || width > largestPictureSide || height > largestPictureSide) {
        jpeg_destroy_decompress(&info);
        return JpegDecoding::failed;
    }
    bitmap = FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height), 32);
    if (bitmap == nullptr) {
        jpeg_destroy_decompress(&info);
        return JpegDecoding::failed;
    }
    jpeg_start_decompress(&info);
    while (info.output_scanline < height) {
        const JDIMENSION line = info.output_scanline;
        // FreeImage keeps its rows bottom-up.
        JSAMPROW row = FreeImage_GetScanLine(bitmap, static_cast<int>(flipVertically ? line : height - 1 - line));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return watch.picturePartLost ? JpegDecoding::failed : JpegDecoding::decoded;
}

void watchEveryWarning(WarningWatch& watch, jpeg_decompress_struct& info)
{
    info.err = jpeg_std_error(&watch.manager);
    watch.manager.error_exit = stopAtError;
    watch.manager.emit_message = noteWarning;
    watch.manager.output_message = printNothing;
}

} // namespace

JpegDecoding decodeJpegTo32Bits(std::span<const std::uint8_t> bytes, bool flipVertically, FIBITMAP*& bitmap)
{
    bitmap = nullptr;
    if (bytes.empty()) {
        return JpegDecoding::failed;
    }
    WarningWatch watch{};
    jpeg_decompress_struct info{};
    watchEveryWarning(watch, info);
    const JpegDecoding outcome =
        decodeInto(bytes.data(), static_cast<unsigned long>(bytes.size()), flipVertically, watch, info, bitmap);
    if (outcome != JpegDecoding::decoded && bitmap != nullptr) {
        FreeImage_Unload(bitmap);
        bitmap = nullptr;
    }
    return outcome;
}

bool jpegDecodesWhole(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty()) {
        return false;
    }
    WarningWatch watch{};
    jpeg_decompress_struct info{};
    watchEveryWarning(watch, info);
    return decodeWatching(bytes.data(), static_cast<unsigned long>(bytes.size()), watch, info);
}

} // namespace tavernrush
