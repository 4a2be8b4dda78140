// Voices: a small pool of sources for the cues, reused oldest first, and one
// source each for the two loops. The master volume and mute act on the
// listener's gain, so they reach every source at once.
//
// The loops are 48 s of stereo between them and take some 90 ms to decode,
// the cues 15 ms. The loops are therefore decoded on a worker while the game
// loads its level, and handed to OpenAL when the music starts.
//
// A device that vanishes takes its buffers and sources with it. OpenAL Soft
// 1.19 (Debian 12) cannot move a device to another output
// (ALC_SOFT_reopen_device came later), so a new device is opened and the
// sounds are loaded onto it again: a tenth of a second, once.
#include "audio/Audio.h"

#include "audio/AlDevice.h"
#include "audio/SoundBuffer.h"
#include "audio/SoundCue.h"
#include "audio/SoundFile.h"
#include "audio/SoundOutput.h"
#include "audio/SoundSource.h"
#include "game/AssetTable.h"

#include <AL/al.h>

#include <algorithm>
#include <cmath>
#include <future>
#include <map>
#include <optional>
#include <ostream>
#include <system_error>

namespace tavernrush {

namespace {

static_assert(Audio::loopbackSampleRate == loopbackSampleRate, "render() promises the loopback device's rate");

// More cues than this at once (a coin, a beer and a picture in one moment
// make three) take over the voice that started longest ago.
constexpr std::size_t voiceCount = 12;

float level(float value, float fallback)
{
    return std::isfinite(value) ? std::clamp(value, 0.0f, 1.0f) : fallback;
}

bool finite(const glm::vec3& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

bool isLoop(AssetId sound)
{
    return sound == AssetId::TuneSound || sound == AssetId::AmbienceSound;
}

struct DecodedLoop {
    std::optional<DecodedSound> sound;
    std::string failure;
};

struct PendingLoop {
    AssetId sound;
    std::string path;
    std::future<DecodedLoop> decoded;
};

} // namespace

struct Audio::State {
    // Declared first so it is destroyed last, after every buffer and source.
    AlDevice device;
    // One per sound row of the asset table.
    std::map<AssetId, SoundBuffer> sounds;
    std::vector<SoundSource> voices;
    std::vector<std::uint64_t> voiceStarted; // start count when each voice last began
    std::uint64_t starts = 0;
    SoundSource tune;
    SoundSource ambience;
    std::vector<SoundSource*> pausedByUs;
    std::vector<PendingLoop> pendingLoops;
    // Where a loop that fails only while decoding is reported.
    std::ostream* log = nullptr;
    AudioSettings settings;
    bool musicStarted = false;
    bool paused = false;
    bool muted = false;

    explicit State(AlDevice&& opened) : device(std::move(opened)) {}

    ~State()
    {
        // The buffers and sources below belong to this context.
        device.makeCurrent();
    }

    void loadSound(AssetId sound, const std::string& path)
    {
        std::string failure;
        // A file that does not even open is reported now, with the others.
        if (isLoop(sound) && soundFileOpens(path, failure)) {
            try {
                pendingLoops.push_back({sound, path, std::async(std::launch::async, [path] {
                                            DecodedLoop loop;
                                            loop.sound = readSoundFile(path, loop.failure);
                                            return loop;
                                        })});
                return;
            } catch (const std::system_error&) {
                // No thread to be had: decode it here and now.
            }
        }
        sounds[sound] = SoundBuffer::load(path, *log);
    }

    void collectLoops()
    {
        for (PendingLoop& loop : pendingLoops) {
            const DecodedLoop decoded = loop.decoded.get();
            sounds[loop.sound] = SoundBuffer::loadDecoded(decoded.sound, decoded.failure, loop.path, *log);
        }
        pendingLoops.clear();
    }

    void applyListenerGain() const { alListenerf(AL_GAIN, muted ? 0.0f : settings.volume); }

    SoundSource& freeVoice()
    {
        for (std::size_t i = 0; i < voices.size(); ++i) {
            if (!voices[i].isPlaying()) {
                return voices[i];
            }
        }
        const auto oldest = std::min_element(voiceStarted.begin(), voiceStarted.end()) - voiceStarted.begin();
        return voices[static_cast<std::size_t>(oldest)];
    }

    void cue(const SoundCue& cue, const glm::vec3& where)
    {
        const auto found = sounds.find(cue.sound);
        if (found == sounds.end() || found->second.empty() || voices.empty()) {
            return;
        }
        const SoundBuffer& buffer = found->second;
        SoundSource& voice = freeVoice();
        voice.stop();
        if (cue.positional && finite(where)) {
            voice.placeAt(where);
        } else {
            voice.placeAtListener();
        }
        voice.start(buffer, settings.effects, false);
        voiceStarted[static_cast<std::size_t>(&voice - voices.data())] = ++starts;
    }
};

// What finding a lost output again takes: the output, the files and levels
// to load anew, and, once it is lost, when to look next and how the sound
// stood.
struct Audio::Watch {
    Watch(SoundOutput watched, std::string folder, const AudioSettings& levels, std::ostream& console)
        : output(std::move(watched)), soundFolder(std::move(folder)), settings(levels), log(&console)
    {
    }

    SoundOutput output;
    std::string soundFolder;
    AudioSettings settings;
    std::ostream* log;
    // A broken sound file was reported at start; loading it again for a new
    // device says nothing more.
    std::ostream quiet{nullptr};
    std::chrono::steady_clock::time_point nextLook;
    bool musicStarted = false;
    bool paused = false;
    bool muted = false;
};

Audio::Audio() = default;
Audio::~Audio() = default;
Audio::Audio(Audio&& other) noexcept = default;
Audio& Audio::operator=(Audio&& other) noexcept = default;
Audio::Audio(std::unique_ptr<State> state) : state_(std::move(state)) {}

Audio Audio::open(const AudioSettings& settings, const std::string& soundFolder, std::ostream& log,
                  const char* deviceName)
{
    return openOn(systemSoundOutput(deviceName), settings, soundFolder, log);
}

Audio Audio::openOn(const SoundOutput& output, const AudioSettings& settings, const std::string& soundFolder,
                    std::ostream& log)
{
    std::string failure;
    AlDevice device = output.open(failure);
    if (!device.isOpen()) {
        log << "Sound is off: " << failure << std::endl;
        return Audio();
    }
    Audio audio(start(std::move(device), settings, soundFolder, log));
    audio.watch_ = std::make_unique<Watch>(output, soundFolder, audio.state_->settings, log);
    return audio;
}

Audio Audio::openLoopback(const AudioSettings& settings, const std::string& soundFolder, std::ostream& log)
{
    std::string failure;
    AlDevice device = AlDevice::openLoopback(failure);
    if (!device.isOpen()) {
        log << "Sound is off: " << failure << std::endl;
        return Audio();
    }
    return Audio(start(std::move(device), settings, soundFolder, log));
}

std::unique_ptr<Audio::State> Audio::start(AlDevice device, const AudioSettings& settings,
                                           const std::string& soundFolder, std::ostream& log)
{
    auto state = std::make_unique<State>(std::move(device));
    state->device.makeCurrent();
    const AudioSettings defaults;
    state->settings = {level(settings.volume, defaults.volume), level(settings.music, defaults.music),
                       level(settings.effects, defaults.effects)};
    state->log = &log;
    for (const AssetRow& row : asset::kindRows(AssetKind::Sound)) {
        state->loadSound(row.id, soundFolder + "/" + std::string(asset::soundFileName(row)));
    }
    for (std::size_t i = 0; i < voiceCount; ++i) {
        SoundSource voice = SoundSource::create();
        if (voice.empty()) {
            break;
        }
        state->voices.push_back(std::move(voice));
    }
    state->voiceStarted.assign(state->voices.size(), 0);
    state->tune = SoundSource::create();
    state->ambience = SoundSource::create();
    state->applyListenerGain();
    return state;
}

void Audio::keepOutput(std::chrono::steady_clock::time_point now)
{
    if (!watch_) {
        return;
    }
    Watch& watch = *watch_;
    if (state_) {
        if (watch.output.connected(state_->device)) {
            return;
        }
        watch.musicStarted = state_->musicStarted;
        watch.paused = state_->paused;
        watch.muted = state_->muted;
        // The buffers and sources go with the dead device; a new one gets its own.
        state_.reset();
        watch.nextLook = now + retryInterval;
        *watch.log << "Sound is off: the sound device was lost. Playing on silently until one is back." << std::endl;
        return;
    }
    if (now < watch.nextLook) {
        return;
    }
    // Opening a device can take a while (a sound server to ask), so it is
    // tried now and then, not every frame.
    watch.nextLook = now + retryInterval;
    std::string ignored;
    AlDevice device = watch.output.open(ignored);
    if (!device.isOpen()) {
        return;
    }
    state_ = start(std::move(device), watch.settings, watch.soundFolder, watch.quiet);
    if (watch.muted) {
        toggleMute();
    }
    if (watch.musicStarted) {
        startMusic();
    }
    setPaused(watch.paused);
    *watch.log << "Sound is back." << std::endl;
}

void Audio::setLevels(const AudioSettings& levels)
{
    if (!state_) {
        return;
    }
    state_->device.makeCurrent();
    state_->settings = levels;
    state_->applyListenerGain();
    state_->tune.setGain(levels.music);
    state_->ambience.setGain(levels.music);
    for (SoundSource& voice : state_->voices) {
        voice.setGain(levels.effects);
    }
}

void Audio::startMusic()
{
    if (!state_ && watch_) {
        watch_->musicStarted = true;
    }
    if (!state_ || state_->musicStarted) {
        return;
    }
    state_->device.makeCurrent();
    state_->musicStarted = true;
    state_->collectLoops();
    for (auto [source, sound] :
         {std::pair{&state_->tune, AssetId::TuneSound}, std::pair{&state_->ambience, AssetId::AmbienceSound}}) {
        source->placeAtListener();
        source->start(state_->sounds[sound], state_->settings.music, true);
        if (state_->paused && source->isPlaying()) {
            source->pause();
            state_->pausedByUs.push_back(source);
        }
    }
}

void Audio::play(const std::vector<FrameEvent>& events)
{
    if (!state_ || state_->paused) {
        return;
    }
    state_->device.makeCurrent();
    std::vector<FrameEventKind> heard;
    for (const FrameEvent& event : events) {
        if (std::find(heard.begin(), heard.end(), event.kind) != heard.end()) {
            continue;
        }
        heard.push_back(event.kind);
        if (const std::optional<SoundCue> cue = cueFor(event.kind)) {
            state_->cue(*cue, event.where);
        }
    }
}

void Audio::setListener(const glm::vec3& position, const glm::vec3& forward, const glm::vec3& up)
{
    // A broken camera must not turn the whole mix into noise.
    if (!state_ || !finite(position) || !finite(forward) || !finite(up)) {
        return;
    }
    state_->device.makeCurrent();
    const ALfloat orientation[] = {forward.x, forward.y, forward.z, up.x, up.y, up.z};
    alListener3f(AL_POSITION, position.x, position.y, position.z);
    alListenerfv(AL_ORIENTATION, orientation);
}

void Audio::setPaused(bool paused)
{
    if (!state_ && watch_) {
        watch_->paused = paused;
    }
    if (!state_ || state_->paused == paused) {
        return;
    }
    state_->device.makeCurrent();
    state_->paused = paused;
    if (paused) {
        std::vector<SoundSource*> all{&state_->tune, &state_->ambience};
        for (SoundSource& voice : state_->voices) {
            all.push_back(&voice);
        }
        for (SoundSource* source : all) {
            if (source->isPlaying()) {
                source->pause();
                state_->pausedByUs.push_back(source);
            }
        }
    } else {
        for (SoundSource* source : state_->pausedByUs) {
            source->resume();
        }
        state_->pausedByUs.clear();
    }
}

void Audio::toggleMute()
{
    if (!state_) {
        // Without a device for now, M still counts for when one is back.
        if (watch_) {
            watch_->muted = !watch_->muted;
        }
        return;
    }
    state_->device.makeCurrent();
    state_->muted = !state_->muted;
    state_->applyListenerGain();
}

bool Audio::isMuted() const
{
    return state_ ? state_->muted : watch_ && watch_->muted;
}

std::vector<std::int16_t> Audio::render(int sampleFrames)
{
    std::vector<std::int16_t> samples(static_cast<std::size_t>(std::max(sampleFrames, 0)) * 2, 0);
    if (state_ && state_->device.isLoopback() && sampleFrames > 0) {
        state_->device.render(samples.data(), sampleFrames);
    }
    return samples;
}

} // namespace tavernrush
