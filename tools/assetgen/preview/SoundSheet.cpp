// Reading back through the game's own decoder (src/audio), writing through
// its WAV recorder.
#include "preview/SoundSheet.h"

#include "Colour.h"
#include "Painter.h"
#include "Text.h"
#include "audio/SoundFile.h"
#include "audio/WavWriter.h"
#include "game/AssetTable.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace tavernrush::assetgen {

namespace {

constexpr int sheetWidth = 1500;
constexpr int labelWidth = 330;
constexpr int rowHeight = 96;
constexpr int titleHeight = 50;
constexpr int gap = 10;
constexpr int previewRate = 48000;

float toDecibels(float level)
{
    return 20.0f * std::log10(std::max(level, 1e-6f));
}

void drawText(Image& sheet, const std::string& text, glm::vec2 leftCentre, float size, const glm::vec4& colour)
{
    TextStyle style;
    style.pixelHeight = size;
    style.maxDistance = 2.0f;
    const float width = textSize(text, style).x;
    fill(sheet, textShape(text, leftCentre + glm::vec2(width / 2.0f, 0.0f), style), colour);
}

void drawRow(Image& sheet, const SoundReading& sound, int top)
{
    const int left = labelWidth;
    const int width = sheetWidth - labelWidth - gap;
    const float middle = static_cast<float>(top) + rowHeight / 2.0f;
    const float halfHeight = rowHeight / 2.0f - 4.0f;
    for (int y = top; y < top + rowHeight; ++y) {
        for (int x = left; x < left + width; ++x) {
            sheet.at(x, y) = hexColour(0x1d2127);
        }
    }
    // Where -1 dBFS lies: nothing may reach these lines.
    const float limit = std::pow(10.0f, -1.0f / 20.0f);
    for (float level : {limit, -limit}) {
        const int y = static_cast<int>(std::lround(middle - level * halfHeight));
        for (int x = left; x < left + width; ++x) {
            sheet.at(x, y) = hexColour(0x7a2b2b);
        }
    }
    const std::size_t frames = sound.samples.size() / static_cast<std::size_t>(sound.channels);
    for (int column = 0; column < width; ++column) {
        const std::size_t from = frames * static_cast<std::size_t>(column) / static_cast<std::size_t>(width);
        const std::size_t to = std::max(from + 1, frames * static_cast<std::size_t>(column + 1) / static_cast<std::size_t>(width));
        float low = 0.0f;
        float high = 0.0f;
        double power = 0.0;
        for (std::size_t i = from * sound.channels; i < std::min(to, frames) * sound.channels; ++i) {
            low = std::min(low, sound.samples[i]);
            high = std::max(high, sound.samples[i]);
            power += double(sound.samples[i]) * sound.samples[i];
        }
        const auto rms = static_cast<float>(std::sqrt(power / double((to - from) * sound.channels)));
        const int x = left + column;
        for (int y = static_cast<int>(middle - high * halfHeight); y <= static_cast<int>(middle - low * halfHeight); ++y) {
            const float level = std::abs(middle - static_cast<float>(y)) / halfHeight;
            sheet.at(x, y) = level <= rms ? hexColour(0x9fe3b0) : hexColour(0x3f9b62);
        }
        sheet.at(x, static_cast<int>(middle)) = hexColour(0x9fe3b0);
    }
    drawText(sheet, sound.name, {gap, static_cast<float>(top) + 26.0f}, 24.0f, hexColour(0xf0f0f0));
    std::ostringstream numbers;
    numbers.precision(1);
    numbers << std::fixed << sound.seconds << " s, " << (sound.channels == 1 ? "mono" : "stereo");
    drawText(sheet, numbers.str(), {gap, static_cast<float>(top) + 52.0f}, 17.0f, hexColour(0xb8c0cc));
    numbers.str("");
    numbers << "peak " << sound.peakDb << " dBFS, RMS " << sound.rmsDb << " dBFS";
    drawText(sheet, numbers.str(), {gap, static_cast<float>(top) + 74.0f}, 17.0f, hexColour(0xb8c0cc));
}

} // namespace

std::vector<SoundReading> readGeneratedSounds(const std::filesystem::path& assets)
{
    std::vector<SoundReading> readings;
    for (const AssetRow& row : asset::kindRows(AssetKind::Sound)) {
        const std::filesystem::path path = assets / asset::belowAssets(row.path);
        std::string failure;
        const std::optional<DecodedSound> decoded = readSoundFile(path.string(), failure);
        if (!decoded) {
            throw std::runtime_error("sound " + path.string() + " does not decode: " + failure);
        }
        if (decoded->sampleRate != previewRate) {
            throw std::runtime_error("sound " + path.string() + " is not at 48 kHz");
        }
        SoundReading reading;
        reading.name = path.filename().string();
        reading.channels = decoded->channels;
        reading.seconds = static_cast<double>(decoded->frames()) / previewRate;
        float peak = 0.0f;
        double power = 0.0;
        for (std::int16_t value : decoded->samples) {
            const float sample = static_cast<float>(value) / 32768.0f;
            reading.samples.push_back(sample);
            peak = std::max(peak, std::abs(sample));
            power += double(sample) * sample;
        }
        reading.peakDb = toDecibels(peak);
        reading.rmsDb = toDecibels(static_cast<float>(std::sqrt(power / double(decoded->samples.size()))));
        readings.push_back(std::move(reading));
    }
    return readings;
}

void writeListeningTrack(const std::filesystem::path& path, const std::vector<SoundReading>& sounds)
{
    std::ostringstream log;
    WavWriter writer = WavWriter::create(path.string(), previewRate, log);
    const std::vector<std::int16_t> silence(static_cast<std::size_t>(previewRate * 6 / 10) * 2, 0);
    for (const SoundReading& sound : sounds) {
        std::vector<std::int16_t> stereo;
        const std::size_t frames = sound.samples.size() / static_cast<std::size_t>(sound.channels);
        for (std::size_t frame = 0; frame < frames; ++frame) {
            for (int side = 0; side < 2; ++side) {
                const float sample = sound.samples[frame * sound.channels + std::min(side, sound.channels - 1)];
                stereo.push_back(static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0f, 32767.0f / 32768.0f) * 32768.0f)));
            }
        }
        writer.write(stereo);
        writer.write(silence);
    }
    if (!writer.finish(log)) {
        throw std::runtime_error(log.str());
    }
}

Image waveformSheet(const std::vector<SoundReading>& sounds)
{
    const int height = titleHeight + static_cast<int>(sounds.size()) * (rowHeight + gap) + gap;
    Image sheet(sheetWidth, height, hexColour(0x2b2f36));
    drawText(sheet, "Sounds (each row on its own time scale; red lines at -1 dBFS, light green within the RMS)",
             {gap, titleHeight / 2.0f}, 22.0f, hexColour(0xffffff));
    int top = titleHeight;
    for (const SoundReading& sound : sounds) {
        drawRow(sheet, sound, top);
        top += rowHeight + gap;
    }
    return sheet;
}

} // namespace tavernrush::assetgen
