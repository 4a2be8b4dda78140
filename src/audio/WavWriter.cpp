#include "audio/WavWriter.h"

#include <sndfile.h>

#include <cstdio>
#include <ostream>
#include <utility>

namespace tavernrush {

namespace {

std::string partPath(const std::string& path)
{
    return path + ".part";
}

} // namespace

WavWriter WavWriter::create(const std::string& path, int sampleRate, std::ostream& log)
{
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    WavWriter writer;
    writer.file_ = sf_open(partPath(path).c_str(), SFM_WRITE, &info);
    if (writer.file_ == nullptr) {
        log << "ERROR: Cannot write the sound recording '" << path << "': " << sf_strerror(nullptr) << "\n";
        return writer;
    }
    writer.path_ = path;
    return writer;
}

WavWriter::~WavWriter()
{
    discard();
}

WavWriter::WavWriter(WavWriter&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)), path_(std::move(other.path_)), failed_(other.failed_)
{
}

WavWriter& WavWriter::operator=(WavWriter&& other) noexcept
{
    if (this != &other) {
        discard();
        file_ = std::exchange(other.file_, nullptr);
        path_ = std::move(other.path_);
        failed_ = other.failed_;
    }
    return *this;
}

void WavWriter::write(const std::vector<std::int16_t>& stereo)
{
    if (file_ == nullptr || failed_) {
        return;
    }
    const auto frames = static_cast<sf_count_t>(stereo.size() / 2);
    if (sf_writef_short(file_, stereo.data(), frames) != frames) {
        failed_ = true;
    }
}

bool WavWriter::finish(std::ostream& log)
{
    if (file_ == nullptr) {
        return false;
    }
    const bool closed = sf_close(std::exchange(file_, nullptr)) == 0;
    if (failed_ || !closed || std::rename(partPath(path_).c_str(), path_.c_str()) != 0) {
        log << "ERROR: Cannot write the sound recording '" << path_ << "'.\n";
        std::remove(partPath(path_).c_str());
        return false;
    }
    return true;
}

void WavWriter::discard()
{
    if (file_ != nullptr) {
        sf_close(std::exchange(file_, nullptr));
        std::remove(partPath(path_).c_str());
    }
}

} // namespace tavernrush
