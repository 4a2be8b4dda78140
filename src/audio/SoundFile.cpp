#include "audio/SoundFile.h"

#include <sndfile.h>

#include <cctype>
#include <memory>

namespace tavernrush {

namespace {

constexpr int minSampleRate = 8000;
constexpr int maxSampleRate = 192000;
constexpr long maxSeconds = 600;

struct CloseSndfile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfileOwner = std::unique_ptr<SNDFILE, CloseSndfile>;

// Why libsndfile would not open a file, in words that follow the path: "not
// a sound file" rather than "Format not recognised.", a system error without
// its "System error : " label.
std::string openFailure()
{
    switch (sf_error(nullptr)) {
    case SF_ERR_UNRECOGNISED_FORMAT: return "not a sound file";
    case SF_ERR_MALFORMED_FILE: return "a damaged sound file";
    default: break;
    }
    std::string text = sf_strerror(nullptr);
    const std::string systemLabel = "System error : ";
    if (text.rfind(systemLabel, 0) == 0) {
        text.erase(0, systemLabel.size());
    }
    while (!text.empty() && (text.back() == '.' || std::isspace(static_cast<unsigned char>(text.back())))) {
        text.pop_back();
    }
    if (text.empty()) {
        return "cannot be read";
    }
    text.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(text.front())));
    return text;
}

// The open file when its header describes a sound we can play.
SndfileOwner openChecked(const std::string& path, SF_INFO& info, std::string& failure)
{
    SndfileOwner file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file) {
        failure = openFailure();
    } else if (info.channels < 1 || info.channels > 2) {
        failure = "has " + std::to_string(info.channels) + " channels";
        file.reset();
    } else if (info.samplerate < minSampleRate || info.samplerate > maxSampleRate) {
        failure = "has a sample rate of " + std::to_string(info.samplerate) + " Hz";
        file.reset();
    }
    return file;
}

} // namespace

bool soundFileOpens(const std::string& path, std::string& failure)
{
    SF_INFO info{};
    return openChecked(path, info, failure) != nullptr;
}

std::optional<DecodedSound> readSoundFile(const std::string& path, std::string& failure)
{
    SF_INFO info{};
    const SndfileOwner file = openChecked(path, info, failure);
    if (!file) {
        return std::nullopt;
    }
    DecodedSound sound;
    sound.sampleRate = info.samplerate;
    sound.channels = info.channels;
    // Read until the decoder stops rather than trusting the header's length:
    // a cut-off file simply ends early.
    const long maxFrames = maxSeconds * info.samplerate;
    constexpr sf_count_t chunkFrames = 4096;
    std::vector<std::int16_t> chunk(static_cast<std::size_t>(chunkFrames * info.channels));
    for (;;) {
        const sf_count_t read = sf_readf_short(file.get(), chunk.data(), chunkFrames);
        if (read <= 0) {
            break;
        }
        sound.samples.insert(sound.samples.end(), chunk.begin(), chunk.begin() + read * info.channels);
        if (sound.frames() > maxFrames) {
            failure = "is longer than " + std::to_string(maxSeconds) + " s";
            return std::nullopt;
        }
    }
    if (sound.samples.empty()) {
        failure = "holds no samples";
        return std::nullopt;
    }
    return sound;
}

} // namespace tavernrush
