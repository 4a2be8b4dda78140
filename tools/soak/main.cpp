// tavernrush-soak-script: prints a seeded random replay script for a soak run
// of the replay tool, e.g.
//   tavernrush-soak-script --seed 7 --frames 20000 > soak.txt
//   tavernrush-replay --script soak.txt --frames 20000 --memory-log memory.txt

#include "app/CommandLineReader.h"
#include "app/NumberText.h"
#include "soak/ScriptText.h"
#include "soak/SoakScript.h"

#include <cstdint>
#include <iostream>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

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
    auto refuse = [&](const std::string& mistake) {
        std::cerr << program << ": " << mistake << '\n';
        printUsage(std::cerr, program);
        return usageExitStatus;
    };
    CommandLineReader reader("-h,--help");
    std::vector<std::string> seedGiven;
    std::vector<std::string> framesGiven;
    bool escape = false;
    reader.addValues("--seed", seedGiven);
    reader.addValues("--frames", framesGiven);
    reader.addFlag("--escape", escape);
    const CommandLineReader::Outcome outcome =
        reader.read(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (outcome.helpAsked) {
        printUsage(std::cout, program);
        return 0;
    }
    if (!outcome.mistake.empty()) {
        return refuse(outcome.mistake);
    }
    std::optional<long> seed;
    std::optional<long> frames;
    for (const auto& [name, given, target] : {std::tuple{"--seed", &seedGiven, &seed},
                                              std::tuple{"--frames", &framesGiven, &frames}}) {
        if (given->empty()) {
            continue;
        }
        *target = parseWholeNumber(given->front());
        if (given->size() > 1 || !*target) {
            return refuse(std::string(name) + " takes one whole number");
        }
    }
    if (!seed || !frames || *seed > static_cast<long>(std::numeric_limits<std::uint32_t>::max()) || *frames < 1) {
        return refuse("needs --seed from 0 to 4294967295 and --frames of at least 1");
    }

    const SoakScriptRequest request{static_cast<std::uint32_t>(*seed), *frames, escape};
    const std::string heading = "tavernrush-soak-script --seed " + std::to_string(*seed) + " --frames " +
                                std::to_string(*frames) + (escape ? " --escape" : "");
    std::cout << formatReplayScript(generateSoakScript(request), heading);
    return std::cout.good() ? 0 : 1;
}
