#include "bench/ProcessAge.h"

#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace tavernrush {

double secondsSinceProcessStart()
{
    // Field 22 of /proc/self/stat is the start time in clock ticks after
    // boot; the command name (field 2) may hold spaces, so count after ')'.
    std::ifstream statFile("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos) {
        return -1.0;
    }
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    unsigned long long startTicks = 0;
    for (int index = 3; index <= 22 && fields >> field; ++index) {
        if (index == 22) {
            startTicks = std::stoull(field);
        }
    }
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double ticksPerSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
    const double bootSeconds = static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
    return bootSeconds - static_cast<double>(startTicks) / ticksPerSecond;
}

} // namespace tavernrush
