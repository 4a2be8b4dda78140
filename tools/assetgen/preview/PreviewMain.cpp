// tavernrush-assetpreview <assets-dir> <out-dir>: writes contact sheets of
// every picture, renders of every model and the listening sheet of every
// sound, read back as the game reads them.
#include "ImageFiles.h"
#include "app/CommandLineReader.h"
#include "preview/ContactSheet.h"
#include "readback/GameDecoders.h"
#include "preview/ModelViews.h"
#include "preview/OffscreenContext.h"
#include "preview/SoundSheet.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace tavernrush::assetgen;

namespace {

std::vector<fs::path> filesIn(const fs::path& directory, const std::vector<std::string>& extensions)
{
    std::vector<fs::path> files;
    if (!fs::exists(directory)) {
        return files;
    }
    for (const auto& entry : fs::directory_iterator(directory)) {
        const std::string extension = entry.path().extension().string();
        if (entry.is_regular_file() && std::find(extensions.begin(), extensions.end(), extension) != extensions.end()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool isCounterDigit(const std::string& stem)
{
    return (stem.size() == 5 && stem.rfind("coin", 0) == 0 && std::isdigit(static_cast<unsigned char>(stem[4])))
           || (stem.size() == 5 && stem.rfind("beer", 0) == 0 && std::isdigit(static_cast<unsigned char>(stem[4])));
}

void save(const fs::path& path, const Image& image)
{
    writePng(path, image, false);
    std::cout << "  " << path.string() << "\n";
}

} // namespace

int main(int argc, char** argv)
{
    constexpr const char* usage = "usage: tavernrush-assetpreview <assets-dir> <out-dir>\n";
    tavernrush::CommandLineReader reader;
    std::vector<std::string> folders;
    reader.addPositionals(folders);
    const auto outcome = reader.read(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (outcome.helpAsked) {
        std::cout << usage;
        return 0;
    }
    const std::string mistake = outcome.mistake.empty()
                                    ? tavernrush::argumentCountMistake(folders, {"<assets-dir>", "<out-dir>"})
                                    : outcome.mistake;
    if (!mistake.empty()) {
        std::cerr << "tavernrush-assetpreview: " << mistake << "\n" << usage;
        return 2;
    }
    const fs::path assets = fs::absolute(folders[0]);
    const fs::path out = fs::absolute(folders[1]);
    try {
        fs::create_directories(out);
        std::cout << "tavernrush-assetpreview: writing preview sheets\n";

        std::vector<SheetItem> pictures;
        std::vector<SheetItem> digits;
        for (const fs::path& file : filesIn(assets / "textures", {".jpg", ".png", ".dds"})) {
            SheetItem item{file.filename().string(), decodeWithFreeImage(file)};
            (isCounterDigit(file.stem().string()) ? digits : pictures).push_back(std::move(item));
        }
        for (const fs::path& file : filesIn(assets / "meshes", {".jpg", ".png"})) {
            pictures.push_back({"meshes/" + file.filename().string(), decodeWithStbImage(file)});
        }
        save(out / "pictures.png", contactSheet("Pictures (as decoded, upright)", pictures, 6, 240));
        save(out / "counter_digits.png", contactSheet("Counter digit pictures (files)", digits, 5, 200));

        std::vector<SheetItem> frames;
        for (const fs::path& file : filesIn(assets / "frames", {".jpg"})) {
            frames.push_back({file.filename().string(), decodeWithFreeImage(file)});
        }
        save(out / "frames.png", contactSheet("Animation frames 1-22", frames, 6, 200));

        std::vector<SheetItem> sky;
        for (const fs::path& file : filesIn(assets / "textures" / "skybox", {".jpg"})) {
            sky.push_back({file.filename().string(), decodeWithFreeImage(file)});
        }
        save(out / "sky.png", contactSheet("Sky box faces", sky, 3, 240));

        // The models go through the game's own import and lit program, which
        // read assets/ from the working folder.
        const OffscreenContext context;
        if (!context.ok()) {
            std::cerr << "tavernrush-assetpreview: no GL context for the model sheets (run it under a display)\n";
            return 1;
        }
        fs::current_path(fs::absolute(assets).parent_path());
        for (const ModelPreview& model : gameModels()) {
            save(out / ("model_" + fs::path(model.path).stem().string() + ".png"), modelSheet(model));
        }
        save(out / "models.png", allModelsSheet());

        const std::vector<SoundReading> sounds = readGeneratedSounds(assets);
        writeListeningTrack(out / "sounds.wav", sounds);
        std::cout << "  " << (out / "sounds.wav").string() << "\n";
        save(out / "sounds.png", waveformSheet(sounds));
    } catch (const std::exception& error) {
        std::cerr << "tavernrush-assetpreview: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
