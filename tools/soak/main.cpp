// tavernrush-soak-script: prints a seeded random replay script for a soak run
// of the replay tool, e.g.
//   tavernrush-soak-script --seed 7 --frames 20000 > soak.txt
//   tavernrush-replay --script soak.txt --frames 20000 --memory-log memory.txt

#include "replay/NumberText.h"
#include "soak/ScriptText.h"
#include "soak/SoakScript.h"

#include <cstdint>
#include <iostream>
#include <limits>
#include <optional>
#include <string>

namespace {

constexpr int usageExitStatus = 2;

void printUsage(std::ostream& out, const std::string& program)
{
    out << "usage: " << program << " --seed S --frames N [--escape]\n"
        << "Prints a replay script of random input for N frames: every key, both mouse\n"
        << "buttons, cursor moves and wheel turns, held for realistic lengths.\n"
        << "  --seed S     0 to 4294967295; the same seed gives the same script\n"
        << "  --frames N   frames of the run, at least 1\n"
        << "  --escape     release Escape before the last frame\n";
}

} // namespace

int main(int argc, char** argv)
{
    using namespace tavernrush;
    const std::string program = argc > 0 ? argv[0] : "tavernrush-soak-script";
    std::optional<long> seed;
    std::optional<long> frames;
    bool escape = false;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--help" || name == "-h") {
            printUsage(std::cout, program);
            return 0;
        }
        if (name == "--escape") {
            escape = true;
            continue;
        }
        if ((name != "--seed" && name != "--frames") || i + 1 == argc) {
            std::cerr << program << ": unexpected '" << name << "'\n";
            printUsage(std::cerr, program);
            return usageExitStatus;
        }
        const std::optional<long> value = parseWholeNumber(argv[++i]);
        std::optional<long>& target = name == "--seed" ? seed : frames;
        if (!value || target) {
            std::cerr << program << ": " << name << " takes one whole number\n";
            return usageExitStatus;
        }
        target = value;
    }
    if (!seed || !frames || *seed > static_cast<long>(std::numeric_limits<std::uint32_t>::max()) || *frames < 1) {
        std::cerr << program << ": needs --seed from 0 to 4294967295 and --frames of at least 1\n";
        printUsage(std::cerr, program);
        return usageExitStatus;
    }

    const SoakScriptRequest request{static_cast<std::uint32_t>(*seed), *frames, escape};
    const std::string heading = "tavernrush-soak-script --seed " + std::to_string(*seed) + " --frames " +
                                std::to_string(*frames) + (escape ? " --escape" : "");
    std::cout << formatReplayScript(generateSoakScript(request), heading);
    return std::cout.good() ? 0 : 1;
}
