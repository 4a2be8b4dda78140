// tavernrush-assetgen <assets-dir> [--timings]: writes the models, pictures
// and sounds the game opens (meshes/, textures/, textures/skybox/, frames/,
// sounds/) below the directory; --timings lists how long each entry took.
#include "AssetCatalog.h"
#include "app/CommandLineReader.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr const char* usage = "usage: tavernrush-assetgen <assets-dir> [--timings]\n";

} // namespace

int main(int argc, char** argv)
{
    tavernrush::CommandLineReader reader;
    std::vector<std::string> folders;
    bool timings = false;
    reader.addPositionals(folders);
    reader.addFlag("--timings", timings);
    const auto outcome = reader.read(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (outcome.helpAsked) {
        std::cout << usage;
        return 0;
    }
    const std::string mistake =
        outcome.mistake.empty() ? tavernrush::argumentCountMistake(folders, {"<assets-dir>"}) : outcome.mistake;
    if (!mistake.empty()) {
        std::cerr << "tavernrush-assetgen: " << mistake << "\n" << usage;
        return 2;
    }
    const std::string& assets = folders.front();
    const auto start = std::chrono::steady_clock::now();
    try {
        const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
        tavernrush::assetgen::generateAll(assets, threads, timings ? &std::cout : nullptr);
    } catch (const std::exception& error) {
        std::cerr << "tavernrush-assetgen: " << error.what() << "\n";
        return 1;
    }
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "tavernrush-assetgen: wrote the asset tree to " << assets << " in " << seconds << " s\n";
    return 0;
}
