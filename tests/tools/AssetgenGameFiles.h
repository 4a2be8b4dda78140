#pragma once
// The files the game opens, written down from its loaders independently of
// the generator's own list, so a file the generator forgets is caught.

#include <cstdio>
#include <string>
#include <vector>

namespace tavernrush::assetgen::testing {

// Decoded again while the game runs: they must stay small.
inline std::vector<std::string> animationFrames()
{
    std::vector<std::string> files;
    for (int number = 1; number <= 22; ++number) {
        char name[40];
        std::snprintf(name, sizeof name, "frames/Frame%02d.jpg", number);
        files.emplace_back(name);
    }
    return files;
}

// Decoded by the game with FreeImage (Texture objects).
inline std::vector<std::string> gamePictures()
{
    std::vector<std::string> files{
        "textures/metall.jpg",     "textures/unicornM.jpg",     "textures/wall.jpg",      "textures/gras.dds",
        "textures/groundN.jpg",    "textures/ground.jpg",       "textures/bricksN.jpg",   "textures/bricks.jpg",
        "textures/coin.dds",       "textures/coin_glow.png",    "textures/coin_blur.png", "textures/bagR.jpg",
        "textures/klo.jpg",        "textures/himmel.dds",       "textures/wood_texture.dds",
        "textures/tavernrush.dds", "textures/wolkenhimmel.dds", "textures/won.jpg",       "textures/timeUP.jpg",
        "textures/drunk.jpg",      "textures/mellowdude.jpg",   "textures/kloBreak.jpg",  "textures/earth.dds",
        "textures/kellbrau.jpg",
    };
    for (int digit = 0; digit <= 9; ++digit) {
        files.push_back("textures/coin" + std::to_string(digit) + ".jpg");
    }
    for (int digit = 0; digit <= 4; ++digit) {
        files.push_back("textures/beer" + std::to_string(digit) + ".jpg");
    }
    for (const std::string& frame : animationFrames()) {
        files.push_back(frame);
    }
    return files;
}

inline std::vector<std::string> skyFaces()
{
    return {"textures/skybox/right.jpg",  "textures/skybox/left.jpg",  "textures/skybox/top.jpg",
            "textures/skybox/bottom.jpg", "textures/skybox/front.jpg", "textures/skybox/back.jpg"};
}

inline std::vector<std::string> models()
{
    return {"meshes/sprinto.obj", "meshes/wall.obj", "meshes/unicorns.obj", "meshes/leiter.obj",
            "meshes/terrain.obj", "meshes/wand.obj", "meshes/bag.obj",      "meshes/klo.obj"};
}

// Decoded by the game with libsndfile (src/audio): the cues, played in the
// world or at the listener, so one channel each.
inline std::vector<std::string> gameEffectSounds()
{
    return {"sounds/coin.ogg",   "sounds/beer.ogg",   "sounds/jump.ogg",   "sounds/land.ogg",
            "sounds/ladder.ogg", "sounds/hiccup.ogg", "sounds/whinny.ogg", "sounds/toilet.ogg",
            "sounds/fanfare.ogg", "sounds/buzzer.ogg", "sounds/rewind.ogg"};
}

// The two loops, in stereo.
inline std::vector<std::string> gameLoopSounds()
{
    return {"sounds/ambience.ogg", "sounds/tune.ogg"};
}

} // namespace tavernrush::assetgen::testing
