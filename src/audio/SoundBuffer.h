#pragma once
// One sound file decoded into an OpenAL buffer. Needs the owning device's
// context to be current when it is made and when it is destroyed.

#include <AL/al.h>

#include <iosfwd>
#include <optional>
#include <string>

namespace tavernrush {

struct DecodedSound;

class SoundBuffer {
public:
    SoundBuffer() = default;
    // The whole file through libsndfile. A missing, damaged or empty file
    // gives an empty buffer and the line "Sound failed to load at path:
    // <path> (<why>)"; the sound is then silent and everything else goes on.
    static SoundBuffer load(const std::string& path, std::ostream& log);
    // The same for a file decoded elsewhere: `failure` says why `sound` is
    // missing.
    static SoundBuffer loadDecoded(const std::optional<DecodedSound>& sound, const std::string& failure,
                                   const std::string& path, std::ostream& log);
    // Samples decoded earlier; empty when OpenAL refuses them.
    static SoundBuffer upload(const DecodedSound& sound);

    ~SoundBuffer();
    SoundBuffer(SoundBuffer&& other) noexcept;
    SoundBuffer& operator=(SoundBuffer&& other) noexcept;
    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;

    bool empty() const { return name_ == 0; }
    ALuint name() const { return name_; }
    // 1 or 2. Only mono sounds can be placed in the world: OpenAL plays
    // stereo ones as they are.
    int channels() const { return channels_; }

private:
    ALuint name_ = 0;
    int channels_ = 0;
};

} // namespace tavernrush
