#pragma once
// Records the game's mix as a 16-bit stereo WAV file. The samples go to
// "<path>.part" first and the file takes its real name only once it is
// complete, so a run that stops part-way never leaves a file that looks
// finished.

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

struct sf_private_tag; // libsndfile's SNDFILE

namespace tavernrush {

class WavWriter {
public:
    WavWriter() = default;
    // A writer for `path`; when the temporary file cannot be opened, one
    // line on `log` says so and the writer stays closed.
    static WavWriter create(const std::string& path, int sampleRate, std::ostream& log);

    ~WavWriter();
    WavWriter(WavWriter&& other) noexcept;
    WavWriter& operator=(WavWriter&& other) noexcept;
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    bool isOpen() const { return file_ != nullptr; }

    // Appends interleaved stereo samples (an even count).
    void write(const std::vector<std::int16_t>& stereo);

    // Closes the file and gives it its real name. False, with one line on
    // `log`, when anything went wrong; then no file is left behind.
    bool finish(std::ostream& log);

private:
    void discard();

    sf_private_tag* file_ = nullptr;
    std::string path_;
    bool failed_ = false;
};

} // namespace tavernrush
