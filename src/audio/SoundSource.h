#pragma once
// One OpenAL source: a voice that plays a buffer, either at a point in the
// world or fixed to the listener. Needs the owning device's context to be
// current when it is used and destroyed.

#include "audio/SoundBuffer.h"

#include <glm/glm.hpp>

namespace tavernrush {

class SoundSource {
public:
    SoundSource() = default;
    // A new source; empty when OpenAL has no more to give.
    static SoundSource create();

    ~SoundSource();
    SoundSource(SoundSource&& other) noexcept;
    SoundSource& operator=(SoundSource&& other) noexcept;
    SoundSource(const SoundSource&) = delete;
    SoundSource& operator=(const SoundSource&) = delete;

    bool empty() const { return name_ == 0; }

    // Plays `buffer` from its start, once or round and round.
    void start(const SoundBuffer& buffer, float gain, bool loop);
    void setGain(float gain);
    // At a point in the world: panned by direction, quieter with distance.
    void placeAt(const glm::vec3& where);
    // With the listener: straight ahead, never fading.
    void placeAtListener();

    void pause();
    void resume();
    void stop();
    bool isPlaying() const;

private:
    ALuint name_ = 0;
};

} // namespace tavernrush
