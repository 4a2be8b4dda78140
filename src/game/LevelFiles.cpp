#include "game/LevelFiles.h"

#include <cstdio>

namespace tavernrush::files {
namespace {

std::vector<std::string> allBelowAssets(std::initializer_list<const char*> paths)
{
    std::vector<std::string> list;
    for (const char* path : paths) {
        list.push_back(belowAssets(path));
    }
    return list;
}

void append(std::vector<std::string>& list, const std::vector<std::string>& more)
{
    list.insert(list.end(), more.begin(), more.end());
}

} // namespace

std::string belowAssets(std::string_view path)
{
    constexpr std::string_view assetsPrefix = "assets/";
    if (path.starts_with(assetsPrefix)) {
        path.remove_prefix(assetsPrefix.size());
    }
    return std::string(path);
}

std::string coinDigit(int digit) { return "assets/textures/coin" + std::to_string(digit) + ".jpg"; }

std::string beerDigit(int digit) { return "assets/textures/beer" + std::to_string(digit) + ".jpg"; }

std::string animationFrame(int number)
{
    char path[40];
    std::snprintf(path, sizeof path, "assets/frames/Frame%02d.jpg", number);
    return path;
}

std::vector<std::string> animationFrames()
{
    std::vector<std::string> list;
    for (int number = 1; number <= animationFrameCount; ++number) {
        list.push_back(belowAssets(animationFrame(number)));
    }
    return list;
}

std::vector<std::string> counterDigits()
{
    std::vector<std::string> list;
    for (int digit = 0; digit < coinDigitCount; ++digit) {
        list.push_back(belowAssets(coinDigit(digit)));
    }
    for (int digit = 0; digit < beerDigitCount; ++digit) {
        list.push_back(belowAssets(beerDigit(digit)));
    }
    return list;
}

std::vector<std::string> texturePictures()
{
    std::vector<std::string> list = allBelowAssets({
        metal, unicornSkin, plainWall, grass, groundNormal, ground, bricksNormal, bricks, coin, coinGlow, coinBlur,
        bag, toilet, skyRoom, woodGround, titleBoard, cloudDome, beerLabel, earth, wonBoard, timeUpBoard, drunkBoard,
        unicornBoard, toiletBoard,
    });
    append(list, counterDigits());
    append(list, animationFrames());
    return list;
}

std::vector<std::string> skyFacePictures()
{
    std::vector<std::string> list;
    for (const char* face : skyFaces) {
        list.push_back(belowAssets(std::string(skyFaceFolder) + face));
    }
    return list;
}

std::vector<std::string> hudPictures() { return allBelowAssets({hudAtlas, pausedBoard}); }

std::vector<std::string> models()
{
    return allBelowAssets({figureModel, plainWallModel, unicornModel, ladderModel, terrainModel, brickWallModel,
                           bagModel, toiletHutModel});
}

namespace {

std::vector<std::string> inSoundFolder(std::initializer_list<const char*> names)
{
    std::vector<std::string> list;
    for (const char* name : names) {
        list.push_back(belowAssets(std::string(soundFolder) + "/" + name));
    }
    return list;
}

} // namespace

std::vector<std::string> effectSounds()
{
    return inSoundFolder({sound::coin, sound::beer, sound::jump, sound::land, sound::ladder, sound::hiccup,
                          sound::whinny, sound::toilet, sound::fanfare, sound::buzzer, sound::rewind});
}

std::vector<std::string> loopSounds() { return inSoundFolder({sound::ambience, sound::tune}); }

std::vector<std::string> shaderStages()
{
    std::vector<std::string> list;
    const auto add = [&list](const char* name, bool withGeometryStage) {
        const std::string stem = belowAssets(std::string(shaderFolder) + name);
        list.push_back(stem + ".vert");
        list.push_back(stem + ".frag");
        if (withGeometryStage) {
            list.push_back(stem + ".geom");
        }
    };
    using namespace shader;
    for (const char* name : {phong, sky, normalMapping, glow, quadDepth, shadowDepth, shadow, hud}) {
        add(name, false);
    }
    add(screen, true);
    add(blur, true);
    return list;
}

std::vector<std::string> gameFiles()
{
    std::vector<std::string> list = texturePictures();
    for (const auto& group : {skyFacePictures(), hudPictures(), models(), effectSounds(), loopSounds(), shaderStages()}) {
        append(list, group);
    }
    return list;
}

} // namespace tavernrush::files
