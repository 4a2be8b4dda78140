// tavernrush-assetgen <assets-dir> [--timings]: writes the models, pictures
// and sounds the game opens (meshes/, textures/, textures/skybox/, frames/,
// sounds/) below the directory; --timings lists how long each entry took.
#include "AssetCatalog.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <iostream>
#include <string>
#include <thread>

int main(int argc, char** argv)
{
    const bool timings = argc == 3 && std::string(argv[2]) == "--timings";
    if (argc != 2 && !timings) {
        std::cerr << "usage: tavernrush-assetgen <assets-dir> [--timings]\n";
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    try {
        const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
        tavernrush::assetgen::generateAll(argv[1], threads, timings ? &std::cout : nullptr);
    } catch (const std::exception& error) {
        std::cerr << "tavernrush-assetgen: " << error.what() << "\n";
        return 1;
    }
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "tavernrush-assetgen: wrote the asset tree to " << argv[1] << " in " << seconds << " s\n";
    return 0;
}
