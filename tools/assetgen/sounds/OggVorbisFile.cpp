// The encoder loop of libvorbis' own example, with the state held by one
// owner so a failure part-way cleans up.
#include "sounds/OggVorbisFile.h"

#include "Noise.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <string>

namespace tavernrush::assetgen {

namespace {

std::uint32_t serialFor(const std::string& name)
{
    std::uint32_t hash = 0x5eed5u;
    for (char c : name) {
        hash = hashCombine(hash, static_cast<unsigned char>(c));
    }
    return hash;
}

class Encoder {
public:
    explicit Encoder(const std::filesystem::path& path) : path_(path), out_(path, std::ios::binary)
    {
        vorbis_info_init(&info_);
        vorbis_comment_init(&comment_);
    }

    // Everything that can fail happens here, after construction, so the
    // destructor always runs and frees what was set up.
    void start(int channels, float quality)
    {
        if (!out_) {
            fail("cannot be opened for writing");
        }
        if (vorbis_encode_init_vbr(&info_, channels, soundSampleRate, quality) != 0) {
            fail("the Vorbis encoder refused its settings");
        }
        vorbis_comment_add_tag(&comment_, "ENCODER", "tavernrush-assetgen");
        vorbis_analysis_init(&dsp_, &info_);
        vorbis_block_init(&dsp_, &block_);
        analysing_ = true;
        ogg_stream_init(&stream_, static_cast<int>(serialFor(path_.filename().string())));
        streaming_ = true;

        ogg_packet identification;
        ogg_packet comments;
        ogg_packet codebooks;
        vorbis_analysis_headerout(&dsp_, &comment_, &identification, &comments, &codebooks);
        ogg_stream_packetin(&stream_, &identification);
        ogg_stream_packetin(&stream_, &comments);
        ogg_stream_packetin(&stream_, &codebooks);
        // Headers on pages of their own, as the format asks.
        ogg_page page;
        while (ogg_stream_flush(&stream_, &page) != 0) {
            writePage(page);
        }
    }

    ~Encoder()
    {
        if (streaming_) {
            ogg_stream_clear(&stream_);
        }
        if (analysing_) {
            vorbis_block_clear(&block_);
            vorbis_dsp_clear(&dsp_);
        }
        vorbis_comment_clear(&comment_);
        vorbis_info_clear(&info_);
    }

    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    void encode(const std::vector<Signal>& channels)
    {
        constexpr std::size_t chunk = 4096;
        const std::size_t length = channels.front().size();
        for (std::size_t start = 0; start < length; start += chunk) {
            const std::size_t count = std::min(chunk, length - start);
            float** buffer = vorbis_analysis_buffer(&dsp_, static_cast<int>(count));
            for (std::size_t c = 0; c < channels.size(); ++c) {
                std::copy_n(channels[c].begin() + static_cast<long>(start), count, buffer[c]);
            }
            vorbis_analysis_wrote(&dsp_, static_cast<int>(count));
            drain();
        }
        vorbis_analysis_wrote(&dsp_, 0); // end of stream
        drain();
        out_.close();
        if (!out_) {
            fail("could not be written");
        }
    }

private:
    [[noreturn]] void fail(const std::string& why) const
    {
        throw std::runtime_error("Ogg Vorbis file " + path_.string() + " " + why);
    }

    void writePage(const ogg_page& page)
    {
        out_.write(reinterpret_cast<const char*>(page.header), page.header_len);
        out_.write(reinterpret_cast<const char*>(page.body), page.body_len);
        if (!out_) {
            fail("could not be written");
        }
    }

    void drain()
    {
        while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
            vorbis_analysis(&block_, nullptr);
            vorbis_bitrate_addblock(&block_);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp_, &packet) != 0) {
                ogg_stream_packetin(&stream_, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&stream_, &page) != 0) {
                    writePage(page);
                }
            }
        }
    }

    std::filesystem::path path_;
    std::ofstream out_;
    vorbis_info info_{};
    vorbis_comment comment_{};
    vorbis_dsp_state dsp_{};
    vorbis_block block_{};
    ogg_stream_state stream_{};
    bool analysing_ = false;
    bool streaming_ = false;
};

} // namespace

void writeOggVorbis(const std::filesystem::path& path, const std::vector<Signal>& channels, float quality)
{
    if (channels.empty() || channels.front().empty()) {
        throw std::runtime_error("Ogg Vorbis file " + path.string() + " would hold no samples");
    }
    std::filesystem::create_directories(path.parent_path());
    Encoder encoder(path);
    encoder.start(static_cast<int>(channels.size()), quality);
    encoder.encode(channels);
}

} // namespace tavernrush::assetgen
