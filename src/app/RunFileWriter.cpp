#include "app/RunFileWriter.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <optional>
#include <ostream>

namespace tavernrush {

struct RunFileWriter::Pending {
    // Room for several seconds of a busy run; the game flushes every half second.
    static constexpr std::size_t capacity = 256 * 1024;
    std::optional<FileDescriptor> file;
    int fd() const { return file ? file->get() : -1; }
    std::array<char, capacity> text{};
    // Only text below `ready` is complete; the handler writes no further.
    std::atomic<std::size_t> ready{0};
    // Set while flush() writes, so the handler does not write the same text twice.
    std::atomic<bool> writing{false};
    // "tavernrush: the run so far is kept in PATH\n", made before any signal.
    std::array<char, 4096> notice{};
    std::size_t noticeLength = 0;
};

namespace {

std::atomic<RunFileWriter::Pending*> registered{nullptr};
constexpr std::array<int, 5> fatalSignals = {SIGSEGV, SIGABRT, SIGBUS, SIGILL, SIGFPE};
std::array<struct sigaction, fatalSignals.size()> previousActions{};

void writeAll(int fd, const char* text, std::size_t length)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, text, length);
        if (written <= 0) {
            return;
        }
        text += written;
        length -= static_cast<std::size_t>(written);
    }
}

void onFatalSignal(int signal)
{
    RunFileWriter::Pending* pending = registered.exchange(nullptr);
    if (pending != nullptr && pending->fd() >= 0) {
        if (!pending->writing.load()) {
            writeAll(pending->fd(), pending->text.data(), pending->ready.load());
        }
        writeAll(STDERR_FILENO, pending->notice.data(), pending->noticeLength);
    }
    // The game's own handling of the signal (the default: end the process,
    // or a sanitizer's report) follows.
    for (std::size_t i = 0; i < fatalSignals.size(); ++i) {
        if (fatalSignals[i] == signal) {
            sigaction(signal, &previousActions[i], nullptr);
        }
    }
    raise(signal);
}

void installHandlers()
{
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
    struct sigaction action {};
    action.sa_handler = onFatalSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_NODEFER;
    for (std::size_t i = 0; i < fatalSignals.size(); ++i) {
        sigaction(fatalSignals[i], &action, &previousActions[i]);
    }
}

} // namespace

RunFileWriter::RunFileWriter(const std::filesystem::path& path, std::ostream& log)
    : path_(path), log_(log), pending_(std::make_unique<Pending>())
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        fail("cannot create", errno);
        return;
    }
    pending_->file.emplace(fd);
    const std::string notice = "tavernrush: the run so far is kept in " + path.string() + "\n";
    pending_->noticeLength = std::min(notice.size(), pending_->notice.size());
    std::memcpy(pending_->notice.data(), notice.data(), pending_->noticeLength);
    installHandlers();
    registered.store(pending_.get());
}

RunFileWriter::~RunFileWriter()
{
    flush();
    Pending* mine = pending_.get();
    registered.compare_exchange_strong(mine, nullptr);
}

bool RunFileWriter::isRecording() const { return pending_->fd() >= 0; }

void RunFileWriter::append(std::string_view text)
{
    if (!isRecording()) {
        return;
    }
    if (pending_->ready.load() + text.size() > Pending::capacity) {
        flush();
    }
    if (text.size() > Pending::capacity) {
        // Never a line of ours; a line this long is dropped rather than split.
        return;
    }
    const std::size_t at = pending_->ready.load();
    std::memcpy(pending_->text.data() + at, text.data(), text.size());
    pending_->ready.store(at + text.size());
}

void RunFileWriter::flush()
{
    if (!isRecording() || pending_->ready.load() == 0) {
        return;
    }
    pending_->writing.store(true);
    const char* text = pending_->text.data();
    std::size_t length = pending_->ready.load();
    int error = 0;
    while (length > 0) {
        const ssize_t written = ::write(pending_->fd(), text, length);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            error = written < 0 ? errno : ENOSPC;
            break;
        }
        text += written;
        length -= static_cast<std::size_t>(written);
    }
    pending_->ready.store(0);
    pending_->writing.store(false);
    if (error != 0) {
        fail("cannot write", error);
    }
}

void RunFileWriter::fail(const char* what, int error)
{
    log_ << "ERROR: " << what << " the run file '" << path_.string() << "' (" << std::strerror(error)
         << "). The game goes on without keeping this run." << std::endl;
    Pending* mine = pending_.get();
    registered.compare_exchange_strong(mine, nullptr);
    pending_->file.reset();
}

} // namespace tavernrush
