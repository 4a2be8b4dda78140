#include "audio/SoundBuffer.h"

#include "audio/SoundFile.h"

#include <ostream>
#include <utility>

namespace tavernrush {

SoundBuffer SoundBuffer::load(const std::string& path, std::ostream& log)
{
    std::string failure;
    const std::optional<DecodedSound> sound = readSoundFile(path, failure);
    return loadDecoded(sound, failure, path, log);
}

SoundBuffer SoundBuffer::loadDecoded(const std::optional<DecodedSound>& sound, const std::string& failure,
                                     const std::string& path, std::ostream& log)
{
    SoundBuffer buffer = sound ? upload(*sound) : SoundBuffer();
    if (buffer.empty()) {
        log << "Sound failed to load at path: " << path << " (" << (sound ? "OpenAL refused its samples" : failure)
            << ")" << std::endl;
    }
    return buffer;
}

SoundBuffer SoundBuffer::upload(const DecodedSound& sound)
{
    SoundBuffer buffer;
    alGetError();
    alGenBuffers(1, &buffer.name_);
    if (alGetError() != AL_NO_ERROR) {
        buffer.name_ = 0;
        return buffer;
    }
    alBufferData(buffer.name_, sound.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16, sound.samples.data(),
                 static_cast<ALsizei>(sound.samples.size() * sizeof(std::int16_t)), sound.sampleRate);
    if (alGetError() != AL_NO_ERROR) {
        return SoundBuffer();
    }
    buffer.channels_ = sound.channels;
    return buffer;
}

SoundBuffer::~SoundBuffer()
{
    if (name_ != 0) {
        alDeleteBuffers(1, &name_);
    }
}

SoundBuffer::SoundBuffer(SoundBuffer&& other) noexcept
    : name_(std::exchange(other.name_, 0)), channels_(std::exchange(other.channels_, 0))
{
}

SoundBuffer& SoundBuffer::operator=(SoundBuffer&& other) noexcept
{
    if (this != &other) {
        if (name_ != 0) {
            alDeleteBuffers(1, &name_);
        }
        name_ = std::exchange(other.name_, 0);
        channels_ = std::exchange(other.channels_, 0);
    }
    return *this;
}

} // namespace tavernrush
