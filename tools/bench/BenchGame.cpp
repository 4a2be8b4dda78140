#include "bench/BenchGame.h"

namespace tavernrush {

RunOptions benchRunOptions(const std::optional<std::string>& level)
{
    RunOptions run;
    run.program = "tavernrush-bench";
    run.level = level;
    run.vsync = false;
    run.sound = RunSound::none;
    return run;
}

} // namespace tavernrush
