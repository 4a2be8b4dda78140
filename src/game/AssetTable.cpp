#include "game/AssetTable.h"

#include <cstdio>
#include <stdexcept>

namespace tavernrush::asset {
namespace {

using enum AssetId;
using enum AssetKind;
using enum LevelPart;

constexpr AssetRow model(AssetId id, std::string_view path, std::string_view recipe)
{
    return {id, Model, path, recipe, Models};
}

constexpr AssetRow program(AssetId id, std::string_view path, LevelPart part, bool geometryStage = false)
{
    return {id, Program, path, handWritten, part, 1, geometryStage};
}

constexpr AssetRow texture(AssetId id, std::string_view path, std::string_view recipe, LevelPart part,
                           int madeAtStartup = 1)
{
    return {id, Texture, path, recipe, part, madeAtStartup};
}

constexpr AssetRow picture(AssetId id, std::string_view path, std::string_view recipe)
{
    return {id, Picture, path, recipe};
}

constexpr AssetRow sound(AssetId id, std::string_view path, std::string_view recipe)
{
    return {id, Sound, path, recipe};
}

constexpr AssetRow rows[] = {
    model(FigureModel, "assets/meshes/sprinto.obj", "player figure"),
    model(PlainWallModel, "assets/meshes/wall.obj", "plain wall"), // imported, never drawn
    model(UnicornModel, "assets/meshes/unicorns.obj", "unicorn"),
    model(LadderModel, "assets/meshes/leiter.obj", "ladder"),
    model(TerrainModel, "assets/meshes/terrain.obj", "terrain"), // imported, never drawn
    model(BrickWallModel, "assets/meshes/wand.obj", "brick wall"),
    model(BagModel, "assets/meshes/bag.obj", "bag"),
    model(ToiletHutModel, "assets/meshes/klo.obj", "toilet hut"),

    program(PhongProgram, "assets/shader/phongPhong", Programs),
    program(SkyProgram, "assets/shader/skyShader", Programs),
    program(NormalMappingProgram, "assets/shader/normalMapping", Programs),
    program(GlowProgram, "assets/shader/glow", Programs),
    program(QuadDepthProgram, "assets/shader/quad_depth", Programs), // built and kept; no pass draws with it
    program(ShadowDepthProgram, "assets/shader/sm_depth", Programs),
    program(ShadowProgram, "assets/shader/sm", Programs),

    texture(Metal, "assets/textures/metall.jpg", "player figure", Textures),
    texture(UnicornSkin, "assets/textures/unicornM.jpg", "unicorn", Textures),
    texture(PlainWall, "assets/textures/wall.jpg", "plain wall", Textures), // never bound
    texture(Grass, "assets/textures/gras.dds", "grass", Textures),
    texture(GroundNormal, "assets/textures/groundN.jpg", "cobbles", Textures), // never bound
    texture(Ground, "assets/textures/ground.jpg", "cobbles", Textures),        // never bound
    texture(BricksNormal, "assets/textures/bricksN.jpg", "brick pictures", Textures),
    texture(Bricks, "assets/textures/bricks.jpg", "brick pictures", Textures),
    // The level's own is never bound; the coin drawer binds its own and
    // gives its material a third.
    texture(Coin, "assets/textures/coin.dds", "coin pictures", Textures, 3),
    texture(CoinGlow, "assets/textures/coin_glow.png", "coin pictures", Textures),
    texture(Bag, "assets/textures/bagR.jpg", "bag", Textures),
    texture(Toilet, "assets/textures/klo.jpg", "toilet hut", Textures),

    texture(SkyRoom, "assets/textures/himmel.dds", "sky pictures", Materials),
    texture(WoodGround, "assets/textures/wood_texture.dds", "level grounds", Materials),
    texture(TitleBoard, "assets/textures/tavernrush.dds", "title sign", Materials),
    texture(CloudDome, "assets/textures/wolkenhimmel.dds", "sky pictures", Materials),
    texture(Frame01, "assets/frames/Frame01.jpg", "animation frames", Materials),
    texture(WonBoard, "assets/textures/won.jpg", "level win pictures", Materials),
    texture(TimeUpBoard, "assets/textures/timeUP.jpg", "board time up", Materials),
    texture(DrunkBoard, "assets/textures/drunk.jpg", "board drunk", Materials),
    texture(UnicornBoard, "assets/textures/mellowdude.jpg", "board mellow dude", Materials),
    texture(ToiletBoard, "assets/textures/kloBreak.jpg", "board toilet break", Materials),
    texture(Earth, "assets/textures/earth.dds", "earth map", Materials),
    texture(CoinDigit0, "assets/textures/coin0.jpg", "coin counter digits", Materials),
    texture(BeerDigit0, "assets/textures/beer0.jpg", "beer counter digits", Materials),

    program(ScreenProgram, "assets/shader/screen", Passes, true),
    program(BlurProgram, "assets/shader/blur", Passes, true),
    program(GlowCopyProgram, "assets/shader/glowCopy", Passes),

    texture(CoinBlur, "assets/textures/coin_blur.png", "coin pictures", FieldDrawers),
    texture(BeerLabel, "assets/textures/kellbrau.jpg", "beer label", FieldDrawers),

    {SkyCubeMap, CubeMap, "assets/textures/skybox", "sky faces", Sky},

    program(HudProgram, "assets/shader/hud", Lettering),
    texture(HudAtlas, "assets/textures/hud.png", "lettering", Lettering),
    texture(PausedBoard, "assets/textures/paused.png", "lettering", Lettering),
    texture(MenuLetters, "assets/textures/letters.png", "lettering", Lettering),

    picture(Frame02, "assets/frames/Frame02.jpg", "animation frames"),
    picture(Frame03, "assets/frames/Frame03.jpg", "animation frames"),
    picture(Frame04, "assets/frames/Frame04.jpg", "animation frames"),
    picture(Frame05, "assets/frames/Frame05.jpg", "animation frames"),
    picture(Frame06, "assets/frames/Frame06.jpg", "animation frames"),
    picture(Frame07, "assets/frames/Frame07.jpg", "animation frames"),
    picture(Frame08, "assets/frames/Frame08.jpg", "animation frames"),
    picture(Frame09, "assets/frames/Frame09.jpg", "animation frames"),
    picture(Frame10, "assets/frames/Frame10.jpg", "animation frames"),
    picture(Frame11, "assets/frames/Frame11.jpg", "animation frames"),
    picture(Frame12, "assets/frames/Frame12.jpg", "animation frames"),
    picture(Frame13, "assets/frames/Frame13.jpg", "animation frames"),
    picture(Frame14, "assets/frames/Frame14.jpg", "animation frames"),
    picture(Frame15, "assets/frames/Frame15.jpg", "animation frames"),
    picture(Frame16, "assets/frames/Frame16.jpg", "animation frames"),
    picture(Frame17, "assets/frames/Frame17.jpg", "animation frames"),
    picture(Frame18, "assets/frames/Frame18.jpg", "animation frames"),
    picture(Frame19, "assets/frames/Frame19.jpg", "animation frames"),
    picture(Frame20, "assets/frames/Frame20.jpg", "animation frames"),
    picture(Frame21, "assets/frames/Frame21.jpg", "animation frames"),
    picture(Frame22, "assets/frames/Frame22.jpg", "animation frames"),
    picture(CoinDigit1, "assets/textures/coin1.jpg", "coin counter digits"),
    picture(CoinDigit2, "assets/textures/coin2.jpg", "coin counter digits"),
    picture(CoinDigit3, "assets/textures/coin3.jpg", "coin counter digits"),
    picture(CoinDigit4, "assets/textures/coin4.jpg", "coin counter digits"),
    picture(CoinDigit5, "assets/textures/coin5.jpg", "coin counter digits"),
    picture(CoinDigit6, "assets/textures/coin6.jpg", "coin counter digits"),
    picture(CoinDigit7, "assets/textures/coin7.jpg", "coin counter digits"),
    picture(CoinDigit8, "assets/textures/coin8.jpg", "coin counter digits"),
    picture(CoinDigit9, "assets/textures/coin9.jpg", "coin counter digits"),
    picture(BeerDigit1, "assets/textures/beer1.jpg", "beer counter digits"),
    picture(BeerDigit2, "assets/textures/beer2.jpg", "beer counter digits"),
    picture(BeerDigit3, "assets/textures/beer3.jpg", "beer counter digits"),
    picture(BeerDigit4, "assets/textures/beer4.jpg", "beer counter digits"),

    sound(CoinSound, "assets/sounds/coin.ogg", "coin chime"),
    sound(BeerSound, "assets/sounds/beer.ogg", "beer gulp"),
    sound(JumpSound, "assets/sounds/jump.ogg", "jump hop"),
    sound(LandSound, "assets/sounds/land.ogg", "land thud"),
    sound(LadderSound, "assets/sounds/ladder.ogg", "ladder clack"),
    sound(HiccupSound, "assets/sounds/hiccup.ogg", "drunk hiccup"),
    sound(WhinnySound, "assets/sounds/whinny.ogg", "unicorn whinny"),
    sound(ToiletSound, "assets/sounds/toilet.ogg", "toilet flush"),
    sound(FanfareSound, "assets/sounds/fanfare.ogg", "win fanfare"),
    sound(BuzzerSound, "assets/sounds/buzzer.ogg", "time-up buzzer"),
    sound(RewindSound, "assets/sounds/rewind.ogg", "rewind warble"),
    sound(AmbienceSound, "assets/sounds/ambience.ogg", "meadow ambience"),
    sound(TuneSound, "assets/sounds/tune.ogg", "tavern tune"),
};

// A row is found by its id's number, and the level's parts follow each other
// in the order it builds them.
constexpr bool rowsInOrder()
{
    LevelPart lastPart = Models;
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        if (static_cast<std::size_t>(rows[i].id) != i) {
            return false;
        }
        if (rows[i].part != None) {
            if (rows[i].part < lastPart) {
                return false;
            }
            lastPart = rows[i].part;
        }
    }
    return true;
}
static_assert(rowsInOrder(), "each row in its id's place, the level's parts in the order it builds them");
static_assert(std::size(rows) == static_cast<std::size_t>(TuneSound) + 1, "a row for every id");

std::vector<AssetRow> rowsWhere(auto wanted)
{
    std::vector<AssetRow> list;
    for (const AssetRow& each : rows) {
        if (wanted(each)) {
            list.push_back(each);
        }
    }
    return list;
}

AssetId offset(AssetId first, int by, int count)
{
    if (by < 0 || by >= count) {
        throw std::out_of_range("no such numbered picture: " + std::to_string(by));
    }
    return static_cast<AssetId>(static_cast<int>(first) + by);
}

} // namespace

std::span<const AssetRow> table() { return rows; }

const AssetRow& row(AssetId id) { return rows[static_cast<std::size_t>(id)]; }

std::vector<AssetRow> partRows(LevelPart part)
{
    return rowsWhere([part](const AssetRow& each) { return each.part == part; });
}

std::vector<AssetRow> kindRows(AssetKind kind)
{
    return rowsWhere([kind](const AssetRow& each) { return each.kind == kind; });
}

std::string belowAssets(std::string_view path)
{
    constexpr std::string_view assetsPrefix = "assets/";
    if (path.starts_with(assetsPrefix)) {
        path.remove_prefix(assetsPrefix.size());
    }
    return std::string(path);
}

std::vector<std::string> filesOf(const AssetRow& row)
{
    const std::string path = belowAssets(row.path);
    if (row.kind == Program) {
        std::vector<std::string> stages{path + ".vert", path + ".frag"};
        if (row.geometryStage) {
            stages.push_back(path + ".geom");
        }
        return stages;
    }
    if (row.kind == CubeMap) {
        std::vector<std::string> faces;
        for (const char* face : cubeFaceFiles) {
            faces.push_back(path + "/" + face);
        }
        return faces;
    }
    return {path};
}

std::string_view soundFileName(const AssetRow& row)
{
    const std::size_t slash = row.path.rfind('/');
    return slash == std::string_view::npos ? row.path : row.path.substr(slash + 1);
}

// Frame01 and the zero digits stand with the materials that show them first;
// the rest of each run follows them in the table's part for play.
AssetId animationFrame(int number)
{
    return number == 1 ? Frame01 : offset(Frame02, number - 2, animationFrameCount - 1);
}

AssetId coinDigit(int digit) { return digit == 0 ? CoinDigit0 : offset(CoinDigit1, digit - 1, coinDigitCount - 1); }

AssetId beerDigit(int digit) { return digit == 0 ? BeerDigit0 : offset(BeerDigit1, digit - 1, beerDigitCount - 1); }

} // namespace tavernrush::asset
