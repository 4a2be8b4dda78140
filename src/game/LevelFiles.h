#pragma once
// Every file the game opens below assets/, named once. The loaders take
// their paths from here, and the asset generator and its tests check the
// generated tree against the lists below, so a file added to a loader is a
// file the generator is asked for.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tavernrush::files {

// Pictures decoded with FreeImage into textures.
inline constexpr const char* metal = "assets/textures/metall.jpg";
inline constexpr const char* unicornSkin = "assets/textures/unicornM.jpg";
inline constexpr const char* plainWall = "assets/textures/wall.jpg";
inline constexpr const char* grass = "assets/textures/gras.dds";
inline constexpr const char* groundNormal = "assets/textures/groundN.jpg";
inline constexpr const char* ground = "assets/textures/ground.jpg";
inline constexpr const char* bricksNormal = "assets/textures/bricksN.jpg";
inline constexpr const char* bricks = "assets/textures/bricks.jpg";
inline constexpr const char* coin = "assets/textures/coin.dds";
inline constexpr const char* coinGlow = "assets/textures/coin_glow.png";
inline constexpr const char* coinBlur = "assets/textures/coin_blur.png";
inline constexpr const char* bag = "assets/textures/bagR.jpg";
inline constexpr const char* toilet = "assets/textures/klo.jpg";
inline constexpr const char* skyRoom = "assets/textures/himmel.dds";
inline constexpr const char* woodGround = "assets/textures/wood_texture.dds";
inline constexpr const char* titleBoard = "assets/textures/tavernrush.dds";
inline constexpr const char* cloudDome = "assets/textures/wolkenhimmel.dds";
inline constexpr const char* beerLabel = "assets/textures/kellbrau.jpg";
inline constexpr const char* earth = "assets/textures/earth.dds";
// The full-screen boards.
inline constexpr const char* wonBoard = "assets/textures/won.jpg";
inline constexpr const char* timeUpBoard = "assets/textures/timeUP.jpg";
inline constexpr const char* drunkBoard = "assets/textures/drunk.jpg";
inline constexpr const char* unicornBoard = "assets/textures/mellowdude.jpg";
inline constexpr const char* toiletBoard = "assets/textures/kloBreak.jpg";

// The counter spheres show one picture per count: coin0..coin9, beer0..beer4.
inline constexpr int coinDigitCount = 10;
inline constexpr int beerDigitCount = 5;
inline constexpr const char* coinDigitZero = "assets/textures/coin0.jpg";
inline constexpr const char* beerDigitZero = "assets/textures/beer0.jpg";
std::string coinDigit(int digit);
std::string beerDigit(int digit);

// The animation board runs Frame01.jpg to Frame22.jpg.
inline constexpr int animationFrameCount = 22;
inline constexpr const char* firstAnimationFrame = "assets/frames/Frame01.jpg";
std::string animationFrame(int number);

// The sky's cube faces, in the order the cube map takes them.
inline constexpr const char* skyFaceFolder = "assets/textures/skybox/";
inline constexpr std::array<const char*, 6> skyFaces{"right.jpg",  "left.jpg",  "top.jpg",
                                                     "bottom.jpg", "front.jpg", "back.jpg"};

// The lettering and the pause board (drawn over the finished image, so they
// keep their own sizes).
inline constexpr const char* hudAtlas = "assets/textures/hud.png";
inline constexpr const char* pausedBoard = "assets/textures/paused.png";

// Models, imported through Assimp; their materials name further images
// beside them.
inline constexpr const char* figureModel = "assets/meshes/sprinto.obj";
inline constexpr const char* plainWallModel = "assets/meshes/wall.obj";
inline constexpr const char* unicornModel = "assets/meshes/unicorns.obj";
inline constexpr const char* ladderModel = "assets/meshes/leiter.obj";
inline constexpr const char* terrainModel = "assets/meshes/terrain.obj";
inline constexpr const char* brickWallModel = "assets/meshes/wand.obj";
inline constexpr const char* bagModel = "assets/meshes/bag.obj";
inline constexpr const char* toiletHutModel = "assets/meshes/klo.obj";

// Sounds are named below their folder: the sound system is handed the
// folder (the replay tool and the tests hand it their own).
inline constexpr const char* soundFolder = "assets/sounds";
namespace sound {
inline constexpr const char* coin = "coin.ogg";
inline constexpr const char* beer = "beer.ogg";
inline constexpr const char* jump = "jump.ogg";
inline constexpr const char* land = "land.ogg";
inline constexpr const char* ladder = "ladder.ogg";
inline constexpr const char* hiccup = "hiccup.ogg";
inline constexpr const char* whinny = "whinny.ogg";
inline constexpr const char* toilet = "toilet.ogg";
inline constexpr const char* fanfare = "fanfare.ogg";
inline constexpr const char* buzzer = "buzzer.ogg";
inline constexpr const char* rewind = "rewind.ogg";
// The two that loop, in stereo.
inline constexpr const char* ambience = "ambience.ogg";
inline constexpr const char* tune = "tune.ogg";
} // namespace sound

// Shader programs by name: <folder><name>.vert and .frag, and .geom for the
// two full-screen passes that use a geometry stage.
inline constexpr const char* shaderFolder = "assets/shader/";
namespace shader {
inline constexpr const char* phong = "phongPhong";
inline constexpr const char* sky = "skyShader";
inline constexpr const char* normalMapping = "normalMapping";
inline constexpr const char* glow = "glow";
inline constexpr const char* quadDepth = "quad_depth";
inline constexpr const char* shadowDepth = "sm_depth";
inline constexpr const char* shadow = "sm";
inline constexpr const char* screen = "screen";
inline constexpr const char* blur = "blur";
inline constexpr const char* hud = "hud";
} // namespace shader

// "assets/x/y" -> "x/y": the form the generator writes below its output
// folder.
std::string belowAssets(std::string_view path);

// The same files as paths below assets/ (no "assets/" in front), grouped by
// how they are read.
std::vector<std::string> texturePictures(); // FreeImage: the above, digits and frames included
std::vector<std::string> animationFrames();
std::vector<std::string> counterDigits();
std::vector<std::string> skyFacePictures();
std::vector<std::string> hudPictures();
std::vector<std::string> models();
std::vector<std::string> effectSounds(); // one channel each, placed in the world
std::vector<std::string> loopSounds();
std::vector<std::string> shaderStages(); // hand-written, copied in by the build
// All of them.
std::vector<std::string> gameFiles();

} // namespace tavernrush::files
