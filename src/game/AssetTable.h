#pragma once
// Every file the game opens below assets/, one row each: its id, its path,
// its kind, the asset generator's recipe that makes it (or that it is written
// by hand), and the part of the level that makes a GL object of it at
// start-up. The level builds its parts in the order of LevelPart, its models,
// programs, textures and materials by walking their rows in table order (the
// later parts take their few files by id), and its read-ahead worker reads
// the same rows in the same order. The sound, the asset generator, its
// preview and the tests walk this one list too.

#include "game/AssetId.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavernrush {

enum class AssetKind {
    Model,   // OBJ through Assimp; its materials name further pictures beside it
    Texture, // a picture the level makes a texture of at start-up
    CubeMap, // a folder of six face pictures, cubeFaceFiles below
    Sound,   // Ogg Vorbis below the sound folder
    Program, // GLSL stages <path>.vert and .frag (and .geom)
    Picture, // a picture made a texture only when the rules switch to it
};

// The parts of the level that make GL objects of files, in the order the
// level builds them.
enum class LevelPart {
    None, // not made at start-up: sounds, and pictures shown during play
    Models,
    Programs,
    Textures,
    Materials,
    Passes,
    FieldDrawers,
    Sky,
    Lettering,
};

// The recipe of a file written by hand (the shaders), copied in by the build.
inline constexpr std::string_view handWritten = "hand-written";

struct AssetRow {
    AssetId id;
    AssetKind kind;
    std::string_view path;   // "assets/..."; a program's without the stage suffix
    std::string_view recipe; // a key the asset generator knows, or handWritten
    LevelPart part = LevelPart::None;
    // How many GL objects the level makes of the file at start-up: the coin
    // picture is a texture of its own, the coin drawer's and its material's.
    int madeAtStartup = 1;
    bool geometryStage = false; // programs only
};

namespace asset {

inline constexpr const char* soundFolder = "assets/sounds";
// The hand-written programs; the build copies them here.
inline constexpr const char* shaderFolder = "assets/shader/";
// A cube map's faces below its folder, in the order GL takes them (+X, -X,
// +Y, -Y, +Z, -Z).
inline constexpr std::array<const char*, 6> cubeFaceFiles{"right.jpg",  "left.jpg",  "top.jpg",
                                                          "bottom.jpg", "front.jpg", "back.jpg"};

std::span<const AssetRow> table();
const AssetRow& row(AssetId id);
// The rows a part of the level makes, in the order it makes them.
std::vector<AssetRow> partRows(LevelPart part);
std::vector<AssetRow> kindRows(AssetKind kind);

// "assets/x/y" -> "x/y": the form the generator writes below its output
// folder.
std::string belowAssets(std::string_view path);
// The files a row stands for, below assets/: a program's stages, a cube
// map's faces, else the one file.
std::vector<std::string> filesOf(const AssetRow& row);
// A sound's file name below the sound folder, e.g. "coin.ogg".
std::string_view soundFileName(const AssetRow& row);

// The pictures the rules switch between: Frame01 to Frame22, coin0 to coin9,
// beer0 to beer4.
inline constexpr int animationFrameCount = 22;
inline constexpr int coinDigitCount = 10;
inline constexpr int beerDigitCount = 5;
AssetId animationFrame(int number);
AssetId coinDigit(int digit);
AssetId beerDigit(int digit);

} // namespace asset
} // namespace tavernrush
