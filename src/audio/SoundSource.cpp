#include "audio/SoundSource.h"

#include <utility>

namespace tavernrush {

namespace {

// World units: the camera hangs about ten behind the figure, so a coin the
// figure catches is heard at full loudness and one across the meadow
// quietly. Beyond the maximum distance it fades no further.
constexpr float referenceDistance = 10.0f;
constexpr float maxDistance = 80.0f;

} // namespace

SoundSource SoundSource::create()
{
    SoundSource source;
    alGetError();
    alGenSources(1, &source.name_);
    if (alGetError() != AL_NO_ERROR) {
        source.name_ = 0;
    }
    return source;
}

SoundSource::~SoundSource()
{
    if (name_ != 0) {
        alDeleteSources(1, &name_);
    }
}

SoundSource::SoundSource(SoundSource&& other) noexcept : name_(std::exchange(other.name_, 0)) {}

SoundSource& SoundSource::operator=(SoundSource&& other) noexcept
{
    if (this != &other) {
        if (name_ != 0) {
            alDeleteSources(1, &name_);
        }
        name_ = std::exchange(other.name_, 0);
    }
    return *this;
}

void SoundSource::start(const SoundBuffer& buffer, float gain, bool loop)
{
    if (name_ == 0 || buffer.empty()) {
        return;
    }
    alSourceStop(name_);
    alSourcei(name_, AL_BUFFER, static_cast<ALint>(buffer.name()));
    alSourcei(name_, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
    alSourcef(name_, AL_GAIN, gain);
    alSourcePlay(name_);
}

void SoundSource::setGain(float gain)
{
    if (name_ != 0) {
        alSourcef(name_, AL_GAIN, gain);
    }
}

void SoundSource::placeAt(const glm::vec3& where)
{
    if (name_ != 0) {
        alSourcei(name_, AL_SOURCE_RELATIVE, AL_FALSE);
        alSource3f(name_, AL_POSITION, where.x, where.y, where.z);
        alSourcef(name_, AL_REFERENCE_DISTANCE, referenceDistance);
        alSourcef(name_, AL_MAX_DISTANCE, maxDistance);
        alSourcef(name_, AL_ROLLOFF_FACTOR, 1.0f);
    }
}

void SoundSource::placeAtListener()
{
    if (name_ != 0) {
        alSourcei(name_, AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(name_, AL_POSITION, 0.0f, 0.0f, 0.0f);
        alSourcef(name_, AL_ROLLOFF_FACTOR, 0.0f);
    }
}

void SoundSource::pause()
{
    if (name_ != 0) {
        alSourcePause(name_);
    }
}

void SoundSource::resume()
{
    if (name_ != 0) {
        alSourcePlay(name_);
    }
}

void SoundSource::stop()
{
    if (name_ != 0) {
        alSourceStop(name_);
    }
}

bool SoundSource::isPlaying() const
{
    if (name_ == 0) {
        return false;
    }
    ALint state = AL_STOPPED;
    alGetSourcei(name_, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

} // namespace tavernrush
