// The DDS header check against what FreeImage's DDS decoder then does: a
// file the check passes holds every byte the decoder reads, so no picture is
// made of memory that was never part of the file; a file it refuses never
// reaches the decoder.

#include "FuzzCheck.h"
#include "render/DdsHeader.h"
#include "render/ImageFile.h"

#include <FreeImage.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>

namespace tavernrush {
namespace {

// A FreeImage stream over the input that notes any read past its end.
struct WatchedBytes {
    std::span<const std::uint8_t> bytes;
    std::uint64_t position = 0;
    bool readPastEnd = false;
};

WatchedBytes& watched(fi_handle handle) { return *static_cast<WatchedBytes*>(handle); }

unsigned DLL_CALLCONV readBytes(void* buffer, unsigned size, unsigned count, fi_handle handle)
{
    WatchedBytes& file = watched(handle);
    const std::uint64_t wanted = std::uint64_t{size} * count;
    const std::uint64_t left = file.bytes.size() - std::min<std::uint64_t>(file.position, file.bytes.size());
    const std::uint64_t given = std::min(wanted, left);
    if (given < wanted) {
        file.readPastEnd = true;
    }
    if (given > 0) {
        std::memcpy(buffer, file.bytes.data() + file.position, given);
    }
    file.position += given;
    return size == 0 ? 0 : static_cast<unsigned>(given / size);
}

unsigned DLL_CALLCONV writeNothing(void*, unsigned, unsigned, fi_handle) { return 0; }

int DLL_CALLCONV seekBytes(fi_handle handle, long offset, int origin)
{
    WatchedBytes& file = watched(handle);
    long long base = 0;
    if (origin == SEEK_CUR) {
        base = static_cast<long long>(file.position);
    } else if (origin == SEEK_END) {
        base = static_cast<long long>(file.bytes.size());
    }
    if (offset < 0 && -static_cast<long long>(offset) > base) {
        return -1;
    }
    file.position = static_cast<std::uint64_t>(base + offset);
    return 0;
}

long DLL_CALLCONV tellBytes(fi_handle handle) { return static_cast<long>(watched(handle).position); }

std::uint32_t headerField(std::span<const std::uint8_t> header, std::size_t offset)
{
    return static_cast<std::uint32_t>(header[offset]) | static_cast<std::uint32_t>(header[offset + 1]) << 8 |
           static_cast<std::uint32_t>(header[offset + 2]) << 16 | static_cast<std::uint32_t>(header[offset + 3]) << 24;
}

} // namespace
} // namespace tavernrush

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tavernrush;
    const std::span<const std::uint8_t> bytes(data, size);
    const std::span<const std::uint8_t> header = bytes.first(std::min(size, ddsHeaderBytes));
    const bool complete = ddsFileIsComplete(header, size);

    // The answer rests on the header and the length alone: a header cut
    // short is never enough, and bytes after a complete file change nothing.
    FUZZ_CHECK(size >= ddsHeaderBytes || !complete);
    FUZZ_CHECK(!complete || ddsFileIsComplete(header, size + 4096));
    if (!complete) {
        // The loader stops a refused DDS file before its decoder.
        FIMEMORY* memory = FreeImage_OpenMemory(const_cast<BYTE*>(data), static_cast<DWORD>(size));
        const bool looksLikeDds = FreeImage_GetFileTypeFromMemory(memory, 0) == FIF_DDS;
        FreeImage_CloseMemory(memory);
        FUZZ_CHECK(!looksLikeDds || ImageFile::decode(bytes, "fuzz.dds", false).empty());
        return 0;
    }

    const std::uint32_t width = headerField(header, 16);
    const std::uint32_t height = headerField(header, 12);
    FUZZ_CHECK(width >= 1 && width <= largestPictureSide && height >= 1 && height <= largestPictureSide);

    FreeImageIO io{readBytes, writeNothing, seekBytes, tellBytes};
    WatchedBytes file{bytes};
    FIBITMAP* bitmap = FreeImage_LoadFromHandle(FIF_DDS, &io, &file, 0);
    if (file.readPastEnd) {
        std::fprintf(stderr, "the decoder read past the end of a %zu-byte file the check passed\n", size);
    }
    FUZZ_CHECK(!file.readPastEnd);
    if (bitmap != nullptr) {
        FUZZ_CHECK(FreeImage_GetWidth(bitmap) == width && FreeImage_GetHeight(bitmap) == height);
        FreeImage_Unload(bitmap);
    }
    return 0;
}
