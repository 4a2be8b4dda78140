// The asset tree, entry by entry. The most expensive entries come first so
// that the workers finish together.
#include "AssetCatalog.h"

#include "models/BagModel.h"
#include "models/BrickWallModel.h"
#include "models/LadderModel.h"
#include "models/PlainWallModel.h"
#include "models/SprintoModel.h"
#include "models/TerrainModel.h"
#include "models/ToiletHutModel.h"
#include "models/UnicornModel.h"
#include "pictures/AnimationFrames.h"
#include "pictures/BeerLabel.h"
#include "pictures/BoardPictures.h"
#include "pictures/BrickPictures.h"
#include "pictures/CoinPictures.h"
#include "pictures/CounterDigits.h"
#include "pictures/EarthMap.h"
#include "pictures/HudPictures.h"
#include "pictures/LevelGround.h"
#include "pictures/SkyPictures.h"
#include "pictures/SmallPictures.h"
#include "sounds/SoundFiles.h"

#include "game/LevelFile.h"
#include "game/LevelFiles.h"


namespace tavernrush::assetgen {

const std::vector<AssetEntry>& assetCatalog()
{
    static const std::vector<AssetEntry> entries = [] {
        std::vector<AssetEntry> list;
        // The loops take longest (the tune is 32 seconds of a band), so they
        // start first; the short effects fill the gaps at the end.
        const auto addSounds = [&list](bool loops) {
            for (const GeneratedSound& sound : generatedSounds()) {
                if (sound.loop == loops) {
                    list.push_back({"sound " + sound.file, {sound.file},
                                    [&sound](const std::filesystem::path& assets) { writeGeneratedSound(assets, sound); }});
                }
            }
        };
        addSounds(true);
        // Each level's ground picture, painted from its file.
        for (const std::string& name : levelNames(TAVERNRUSH_LEVEL_SOURCE_DIR)) {
            LevelParse parse = loadLevel(TAVERNRUSH_LEVEL_SOURCE_DIR, name);
            if (const auto* error = std::get_if<LevelFileError>(&parse)) {
                throw std::runtime_error(error->message);
            }
            const LevelDescription level = std::get<LevelDescription>(std::move(parse));
            list.push_back({"ground of " + name, {files::belowAssets(level.groundPicture)},
                            [level](const std::filesystem::path& assets) { writeLevelGround(assets, level); }});
        }
        for (CubeFace face : allCubeFaces) {
            list.push_back({std::string("sky face ") + cubeFaceFile(face),
                            {std::string("textures/skybox/") + cubeFaceFile(face)},
                            [face](const std::filesystem::path& assets) { writeSkyFace(assets, face); }});
        }
        list.push_back({"sky pictures", {"textures/himmel.dds", "textures/wolkenhimmel.dds"}, writeSkyDomePictures});
        list.push_back({"brick pictures", {"textures/bricks.jpg", "textures/bricksN.jpg"}, writeBrickPictures});
        list.push_back({"earth map", {"textures/earth.dds"}, writeEarthMap});
        const auto digitFiles = [](int count, std::string (*digitPath)(int)) {
            std::vector<std::string> names;
            for (int digit = 0; digit < count; ++digit) {
                names.push_back(files::belowAssets(digitPath(digit)));
            }
            return names;
        };
        list.push_back({"coin counter digits", digitFiles(files::coinDigitCount, files::coinDigit),
                        [](const std::filesystem::path& assets) { writeCounterDigits(assets, Counter::Coins); }});
        list.push_back({"beer counter digits", digitFiles(files::beerDigitCount, files::beerDigit),
                        [](const std::filesystem::path& assets) { writeCounterDigits(assets, Counter::Beers); }});
        list.push_back({"brick wall model", {"meshes/wand.obj", "meshes/wand.mtl"}, writeBrickWall});
        list.push_back({"plain wall model", {"meshes/wall.obj", "meshes/wall.mtl", "meshes/wall.jpg", "textures/wall.jpg"},
                        writePlainWall});
        list.push_back({"coin pictures", {"textures/coin.dds", "textures/coin_blur.png", "textures/coin_glow.png"},
                        writeCoinPictures});
        list.push_back({"beer label", {"textures/kellbrau.jpg"}, writeBeerLabel});
        list.push_back({"lettering and pause board", {"textures/hud.png", "textures/paused.png"}, writeHudPictures});
        const std::pair<const char*, Image (*)(int)> boards[] = {
            {"won.jpg", paintWinPicture},           {"timeUP.jpg", paintTimeUpPicture},
            {"drunk.jpg", paintDrunkPicture},       {"mellowdude.jpg", paintMellowDudePicture},
            {"kloBreak.jpg", paintToiletBreakPicture},
        };
        for (const auto& [file, paint] : boards) {
            list.push_back({std::string("board ") + file, {std::string("textures/") + file},
                            [file, paint](const std::filesystem::path& assets) { writeBoardPicture(assets, file, paint); }});
        }
        std::vector<std::string> frames;
        for (int number = 1; number <= animationFrameCount; ++number) {
            frames.push_back(files::belowAssets(files::animationFrame(number)));
        }
        list.push_back({"animation frames", frames, writeAnimationFrames});
        list.push_back({"grass", {"textures/gras.dds"}, writeGrass});
        list.push_back({"cobbles", {"textures/ground.jpg", "textures/groundN.jpg"}, writeCobbles});
        list.push_back({"title sign", {"textures/tavernrush.dds"}, writeTitleSign});
        list.push_back({"player figure", {"meshes/sprinto.obj", "meshes/sprinto.mtl", "textures/metall.jpg"}, writeSprinto});
        list.push_back({"unicorn", {"meshes/unicorns.obj", "meshes/unicorns.mtl", "textures/unicornM.jpg"}, writeUnicorn});
        list.push_back({"ladder", {"meshes/leiter.obj", "meshes/leiter.mtl", "meshes/leiter_holz.jpg"}, writeLadder});
        list.push_back({"toilet hut", {"meshes/klo.obj", "meshes/klo.mtl", "textures/klo.jpg"}, writeToiletHut});
        list.push_back({"bag", {"meshes/bag.obj", "meshes/bag.mtl", "textures/bagR.jpg"}, writeBag});
        list.push_back({"terrain", {"meshes/terrain.obj", "meshes/terrain.mtl", "meshes/terrain.jpg"}, writeTerrain});
        addSounds(false);
        return list;
    }();
    return entries;
}

} // namespace tavernrush::assetgen
