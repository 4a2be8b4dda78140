// The recipes. The loops take longest (the tune is 32 seconds of a band), so
// they start first; the short effects fill the gaps at the end.
#include "Recipes.h"

#include "CubeFace.h"
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

#include "game/AssetTable.h"
#include "game/LevelFile.h"

#include <stdexcept>

namespace tavernrush::assetgen {
namespace {

namespace fs = std::filesystem;
using Files = std::vector<std::string>;

// A recipe whose files are fixed by the code that writes them.
Recipe fixed(std::string name, void (*write)(const fs::path&), Files otherFiles = {})
{
    return {std::move(name), [write](const fs::path& assets, const Files&) { write(assets); }, std::move(otherFiles),
            false};
}

Recipe board(std::string name, Image (*paint)(int))
{
    return {std::move(name), [paint](const fs::path& assets, const Files& files) {
                for (const std::string& file : files) {
                    writeBoardPicture(assets / file, paint);
                }
            },
            {},
            false};
}

void addSounds(std::vector<Recipe>& list, bool loops)
{
    for (const GeneratedSound& sound : generatedSounds()) {
        if (sound.loop == loops) {
            list.push_back({sound.recipe, [&sound](const fs::path& assets, const Files& files) {
                                for (const std::string& file : files) {
                                    writeGeneratedSound(assets / file, sound);
                                }
                            },
                            {},
                            false});
        }
    }
}

// Every level of the source tree, read once.
const std::vector<LevelDescription>& sourceLevels()
{
    static const std::vector<LevelDescription> levels = [] {
        std::vector<LevelDescription> all;
        for (const std::string& name : levelNames(TAVERNRUSH_LEVEL_SOURCE_DIR)) {
            LevelParse parse = loadLevel(TAVERNRUSH_LEVEL_SOURCE_DIR, name);
            if (const auto* error = std::get_if<LevelFileError>(&parse)) {
                throw std::runtime_error(error->message);
            }
            all.push_back(std::get<LevelDescription>(std::move(parse)));
        }
        return all;
    }();
    return levels;
}

// A picture each level has of its own, painted from the level's file. The
// table's row is the default level's; the other levels' files come beside it.
Recipe perLevel(std::string name, AssetId tableRow, std::string LevelDescription::*picture,
                void (*write)(const fs::path& assets, const LevelDescription& level))
{
    Files others;
    const std::string tablePath = asset::belowAssets(asset::row(tableRow).path);
    for (const LevelDescription& level : sourceLevels()) {
        if (const std::string path = asset::belowAssets(level.*picture); path != tablePath) {
            others.push_back(path);
        }
    }
    return {std::move(name),
            [write](const fs::path& assets, const Files&) {
                for (const LevelDescription& level : sourceLevels()) {
                    write(assets, level);
                }
            },
            std::move(others), false};
}

void writeLevelWinPicture(const fs::path& assets, const LevelDescription& level)
{
    writeWinPicture(assets / asset::belowAssets(level.winPicture), level.coinsToWin);
}

// The face a cube map's file stands for, by its name.
CubeFace faceOf(const std::string& file)
{
    const std::string name = fs::path(file).filename().string();
    for (CubeFace face : allCubeFaces) {
        if (name == cubeFaceFile(face)) {
            return face;
        }
    }
    throw std::runtime_error("no cube face is called " + name);
}

} // namespace

const std::vector<Recipe>& recipes()
{
    static const std::vector<Recipe> list = [] {
        std::vector<Recipe> all;
        addSounds(all, true);
        all.push_back(perLevel("level grounds", AssetId::WoodGround, &LevelDescription::groundPicture, writeLevelGround));
        Recipe skyFaces{"sky faces", [](const fs::path& assets, const Files& files) {
                            for (const std::string& file : files) {
                                writeSkyFace(assets, faceOf(file));
                            }
                        },
                        {},
                        true};
        all.push_back(std::move(skyFaces));
        all.push_back(fixed("sky pictures", writeSkyDomePictures));
        all.push_back(fixed("brick pictures", writeBrickPictures));
        all.push_back(fixed("earth map", writeEarthMap));
        all.push_back(fixed("coin counter digits",
                            [](const fs::path& assets) { writeCounterDigits(assets, Counter::Coins); }));
        all.push_back(fixed("beer counter digits",
                            [](const fs::path& assets) { writeCounterDigits(assets, Counter::Beers); }));
        all.push_back(fixed("brick wall", writeBrickWall, {"meshes/wand.mtl"}));
        all.push_back(fixed("plain wall", writePlainWall, {"meshes/wall.mtl", "meshes/wall.jpg"}));
        all.push_back(fixed("coin pictures", writeCoinPictures));
        all.push_back(fixed("beer label", writeBeerLabel));
        all.push_back(fixed("lettering", writeHudPictures));
        all.push_back(
            perLevel("level win pictures", AssetId::WonBoard, &LevelDescription::winPicture, writeLevelWinPicture));
        all.push_back(board("board time up", paintTimeUpPicture));
        all.push_back(board("board drunk", paintDrunkPicture));
        all.push_back(board("board mellow dude", paintMellowDudePicture));
        all.push_back(board("board toilet break", paintToiletBreakPicture));
        all.push_back(fixed("animation frames", writeAnimationFrames));
        all.push_back(fixed("grass", writeGrass));
        all.push_back(fixed("cobbles", writeCobbles));
        all.push_back(fixed("title sign", writeTitleSign));
        all.push_back(fixed("player figure", writeSprinto, {"meshes/sprinto.mtl"}));
        all.push_back(fixed("unicorn", writeUnicorn, {"meshes/unicorns.mtl"}));
        all.push_back(fixed("ladder", writeLadder, {"meshes/leiter.mtl", "meshes/leiter_holz.jpg"}));
        all.push_back(fixed("toilet hut", writeToiletHut, {"meshes/klo.mtl"}));
        all.push_back(fixed("bag", writeBag, {"meshes/bag.mtl"}));
        all.push_back(fixed("terrain", writeTerrain, {"meshes/terrain.mtl", "meshes/terrain.jpg"}));
        addSounds(all, false);
        return all;
    }();
    return list;
}

} // namespace tavernrush::assetgen
