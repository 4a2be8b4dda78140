#pragma once
// The game's sound: the cues of the frame's events, the looping tune and
// meadow ambience, the listener at the camera. Opened once at start-up; when
// there is no sound device it says so in one line and then does nothing, so
// the game plays on silently. A device lost during play is looked for again.

#include "audio/AudioSettings.h"
#include "game/FrameEvent.h"

#include <glm/glm.hpp>

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace tavernrush {

class AlDevice;
struct SoundOutput;

class Audio {
public:
    // The rate render() mixes at.
    static constexpr int loopbackSampleRate = 48000;

    // Silent: every call does nothing.
    Audio();
    ~Audio();
    Audio(Audio&& other) noexcept;
    Audio& operator=(Audio&& other) noexcept;
    Audio(const Audio&) = delete;
    Audio& operator=(const Audio&) = delete;

    // The default output device (or the named one). Without a device, or
    // when OpenAL fails, one line "Sound is off: <reason>" on `log` and a
    // silent Audio. Each sound file that fails to load prints
    // "Sound failed to load at path: <path> (<why>)" and stays silent. Never
    // throws.
    // The tune and the ambience finish decoding in the background; `log`
    // must outlive the Audio, since a loop whose header reads but whose
    // samples do not is reported when the music starts.
    static Audio open(const AudioSettings& settings, const std::string& soundFolder, std::ostream& log,
                      const char* deviceName = nullptr);
    // The same on an output of the caller's choosing (see SoundOutput.h).
    static Audio openOn(const SoundOutput& output, const AudioSettings& settings, const std::string& soundFolder,
                        std::ostream& log);
    // The same mix on a loopback device that plays nothing by itself; the
    // caller pulls the samples with render(). For recordings and tests.
    static Audio openLoopback(const AudioSettings& settings, const std::string& soundFolder, std::ostream& log);

    bool isOn() const { return state_ != nullptr; }

    // Once a frame: an output device that has gone (an unplugged headset)
    // costs one line "Sound is off: ..." and the game plays on silently;
    // from then on every `retryInterval` one is looked for, and when one
    // opens, one line "Sound is back." and the music, pause and mute carry
    // on as they stand then (M pressed meanwhile counts). Nothing for a
    // loopback device, or when there was no device to begin with.
    static constexpr std::chrono::seconds retryInterval{2};
    void keepOutput(std::chrono::steady_clock::time_point now);

    // Starts the tune and the ambience looping (waiting for their decoding
    // if it is not done yet); later calls change nothing.
    void startMusic();

    // Plays the cue of each event, each kind at most once per call (one
    // frame), positional ones at the event's place. While paused, events
    // make no sound.
    void play(const std::vector<FrameEvent>& events);

    // The camera: where it is, where it looks and which way is up.
    void setListener(const glm::vec3& position, const glm::vec3& forward, const glm::vec3& up);

    // Pauses every sound, the music too, and resumes exactly those.
    void setPaused(bool paused);
    // New loudness factors, heard at once: the music and every sound
    // playing change with them.
    void setLevels(const AudioSettings& levels);
    // Silences or restores everything; sounds keep running underneath.
    void toggleMute();
    bool isMuted() const;

    // The next `sampleFrames` frames of the mix, 48 kHz 16-bit stereo,
    // interleaved (2 x sampleFrames values). Silence of that length when the
    // sound is off or plays on a real device, so a recording stays in step
    // with the frames either way.
    std::vector<std::int16_t> render(int sampleFrames);

private:
    struct State;
    struct Watch;
    explicit Audio(std::unique_ptr<State> state);
    static std::unique_ptr<State> start(AlDevice device, const AudioSettings& settings, const std::string& soundFolder,
                                        std::ostream& log);

    std::unique_ptr<State> state_;
    // For an output that can vanish: how to find one again.
    std::unique_ptr<Watch> watch_;
};

} // namespace tavernrush
