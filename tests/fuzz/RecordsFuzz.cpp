// records.ini as a crash, a full disk or a curious player may leave it:
// whatever it holds, a best time read from it is a plausible one, and what
// the game would write for it reads back the same and undamaged.

#include "FuzzCheck.h"
#include "app/Records.h"
#include "game/LevelFile.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tavernrush;
    const RecordsText read = parseRecords(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& [level, tenths] : read.records.bestTenths) {
        FUZZ_CHECK(tenths > 0);
        FUZZ_CHECK(isLevelName(level));
    }
    const RecordsText again = parseRecords(formatRecords(read.records));
    FUZZ_CHECK(!again.damaged);
    FUZZ_CHECK(again.records.bestTenths == read.records.bestTenths);
    return 0;
}
