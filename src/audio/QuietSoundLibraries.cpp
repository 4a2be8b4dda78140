#include "audio/QuietSoundLibraries.h"

#include <alsa/asoundlib.h>

#include <cstdlib>

namespace tavernrush {
namespace {

void dropAlsaError(const char*, int, const char*, int, const char*, ...) {}

} // namespace

void quietSoundLibraries()
{
    if (std::getenv("ALSOFT_LOGLEVEL") != nullptr || std::getenv("ALSOFT_LOGFILE") != nullptr) {
        return;
    }
    // 0: OpenAL Soft logs nothing, not even its errors.
    setenv("ALSOFT_LOGLEVEL", "0", 0);
    snd_lib_error_set_handler(dropAlsaError);
}

} // namespace tavernrush
