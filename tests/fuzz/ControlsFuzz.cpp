// The [controls] section as a player may leave it: whatever the text, every
// action ends up on a key the game knows, no two actions share a key, Escape
// stays free, each fault is one line, and the bindings written back as a
// section read back the same without a word.

#include "FuzzCheck.h"
#include "app/Controls.h"
#include "app/KeyNames.h"

#include <GLFW/glfw3.h>

#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tavernrush;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::ostringstream log;
    const Controls controls = readControls(text, log);

    std::set<int> used;
    std::string section = "[controls]\n";
    for (int index = 0; index < actionCount; ++index) {
        const auto action = static_cast<Action>(index);
        const int key = controls.keyFor(action);
        FUZZ_CHECK(key != GLFW_KEY_ESCAPE);
        FUZZ_CHECK(keyCodeNamed(keyNameOf(key)) == key);
        FUZZ_CHECK(used.insert(key).second);
        section += std::string(actionName(action)) + " = " + std::string(keyNameOf(key)) + "\n";
    }
    std::istringstream lines(log.str());
    for (std::string line; std::getline(lines, line);) {
        FUZZ_CHECK(line.starts_with("ERROR: Setting '"));
        FUZZ_CHECK(line.find("[controls]") != std::string::npos);
    }

    std::ostringstream quiet;
    const Controls again = readControls(section, quiet);
    FUZZ_CHECK(quiet.str().empty());
    FUZZ_CHECK(again.keys == controls.keys);
    return 0;
}
