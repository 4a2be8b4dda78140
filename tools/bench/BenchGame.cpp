#include "bench/BenchGame.h"

namespace tavernrush {

RunOptions benchRunOptions(const std::optional<std::string>& level, const std::optional<std::string>& windowSettings,
                           bool keepVsync)
{
    RunOptions run;
    run.program = "tavernrush-bench";
    run.level = level;
    if (windowSettings) {
        run.settingsFile = *windowSettings;
    }
    run.vsync = keepVsync;
    run.sound = RunSound::none;
    return run;
}

} // namespace tavernrush
