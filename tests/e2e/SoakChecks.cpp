#include "SoakChecks.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

namespace tavernrush::e2e {
namespace {

constexpr long maxCoinsPerFrame = 1;
constexpr long maxBeersPerFrame = 25;

template <typename Test>
std::vector<std::string> linesWhere(std::string_view text, Test test)
{
    std::vector<std::string> found;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(start, end - start);
        if (test(line)) {
            found.emplace_back(line);
        }
        start = end + 1;
    }
    return found;
}

bool contains(std::string_view line, std::string_view part) { return line.find(part) != std::string_view::npos; }

std::string at(long frame) { return "frame " + std::to_string(frame) + ": "; }

} // namespace

std::optional<SoakFrame> soakFrameOf(const Json& line)
{
    if (!line.is_object()) {
        return std::nullopt;
    }
    const auto number = [&](const char* key) -> std::optional<double> {
        const auto found = line.find(key);
        if (found == line.end() || !found->is_number()) {
            return std::nullopt;
        }
        return found->get<double>();
    };
    const std::optional<double> frame = number("frame");
    const std::optional<double> coins = number("coins");
    const std::optional<double> beers = number("beers");
    const auto player = line.find("player");
    // A height the trace could not write as a number ("null") is a problem
    // the frame check reports, so it comes through as NaN.
    if (!frame || !coins || !beers || player == line.end() || !player->is_array() || player->size() != 3) {
        return std::nullopt;
    }
    const Json& y = player->at(1);
    return SoakFrame{static_cast<long>(*frame), static_cast<long>(*coins), static_cast<long>(*beers),
                     y.is_number() ? y.get<double>() : std::nan("")};
}

std::vector<std::string> sanitizerReportLines(std::string_view output)
{
    return linesWhere(output, [](std::string_view line) {
        return contains(line, "AddressSanitizer") || contains(line, "LeakSanitizer") ||
               contains(line, "UndefinedBehaviorSanitizer") || contains(line, "runtime error:");
    });
}

std::vector<std::string> openGlErrorLines(std::string_view output)
{
    return linesWhere(output, [](std::string_view line) { return contains(line, "OpenGL Error"); });
}

std::vector<std::string> frameProblems(const std::vector<SoakFrame>& frames, long frameCount,
                                       const RestartHeld& restartHeld)
{
    std::vector<std::string> problems;
    if (static_cast<long>(frames.size()) != frameCount) {
        problems.push_back("the trace has " + std::to_string(frames.size()) + " frames, not " +
                           std::to_string(frameCount));
    }
    long coins = 0;
    long beers = 0;
    for (std::size_t index = 0; index < frames.size(); ++index) {
        const SoakFrame& frame = frames[index];
        if (frame.frame != static_cast<long>(index)) {
            problems.push_back("line " + std::to_string(index + 1) + " is frame " + std::to_string(frame.frame));
            break;
        }
        // Not "< 0": a NaN height must fail too.
        if (!(frame.playerY >= 0.0)) {
            std::ostringstream height;
            height << frame.playerY;
            problems.push_back(at(frame.frame) + "the figure is below the ground at y = " + height.str());
        }
        if (frame.coins < 0 || frame.beers < 0) {
            problems.push_back(at(frame.frame) + "negative count, coins " + std::to_string(frame.coins) +
                               ", beers " + std::to_string(frame.beers));
        } else if (restartHeld(frame.frame)) {
            if (frame.coins != 0 || frame.beers != 0) {
                problems.push_back(at(frame.frame) + "restart held but coins " + std::to_string(frame.coins) +
                                   ", beers " + std::to_string(frame.beers));
            }
        } else {
            if (frame.coins < coins || frame.coins > coins + maxCoinsPerFrame) {
                problems.push_back(at(frame.frame) + "coins went from " + std::to_string(coins) + " to " +
                                   std::to_string(frame.coins));
            }
            if (frame.beers < beers || frame.beers > beers + maxBeersPerFrame) {
                problems.push_back(at(frame.frame) + "beers went from " + std::to_string(beers) + " to " +
                                   std::to_string(frame.beers));
            }
        }
        coins = frame.coins;
        beers = frame.beers;
    }
    return problems;
}

std::optional<std::vector<MemorySample>> parseMemoryLog(std::string_view text)
{
    std::vector<MemorySample> samples;
    std::istringstream in{std::string(text)};
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        MemorySample sample;
        std::string extra;
        if (!(words >> sample.frame >> sample.residentKiB) || (words >> extra) || sample.frame < 0 ||
            sample.residentKiB <= 0) {
            return std::nullopt;
        }
        samples.push_back(sample);
    }
    return samples;
}

MemoryComparison compareMemory(const std::vector<MemorySample>& samples, long baselineFrame, long lastFrame,
                               double tolerance)
{
    MemoryComparison comparison;
    const MemorySample* baseline = nullptr;
    const MemorySample* final = nullptr;
    for (const MemorySample& sample : samples) {
        if (sample.frame == baselineFrame) {
            baseline = &sample;
        }
        if (sample.frame == lastFrame) {
            final = &sample;
        }
    }
    if (baseline == nullptr || final == nullptr) {
        comparison.problem = "the memory log lacks frame " + std::to_string(baseline == nullptr ? baselineFrame : lastFrame);
        return comparison;
    }
    comparison.baselineKiB = baseline->residentKiB;
    comparison.finalKiB = final->residentKiB;
    comparison.change = static_cast<double>(final->residentKiB - baseline->residentKiB) /
                        static_cast<double>(baseline->residentKiB);
    if (std::abs(comparison.change) > tolerance) {
        std::ostringstream problem;
        problem << "resident memory went from " << comparison.baselineKiB << " KiB after frame " << baselineFrame
                << " to " << comparison.finalKiB << " KiB after frame " << lastFrame << " ("
                << (comparison.change > 0 ? "+" : "") << comparison.change * 100.0 << "%), beyond "
                << tolerance * 100.0 << "%";
        comparison.problem = problem.str();
    }
    return comparison;
}

} // namespace tavernrush::e2e
