#pragma once
// The names the code uses for the rows of the asset table (AssetTable.h),
// one per row and in the table's order.

#include <cstdint>

namespace tavernrush {

enum class AssetId : std::uint8_t {
    // Models
    FigureModel,
    PlainWallModel,
    UnicornModel,
    LadderModel,
    TerrainModel,
    BrickWallModel,
    BagModel,
    ToiletHutModel,
    // The level's programs
    PhongProgram,
    SkyProgram,
    NormalMappingProgram,
    GlowProgram,
    QuadDepthProgram,
    ShadowDepthProgram,
    ShadowProgram,
    // The level's textures
    Metal,
    UnicornSkin,
    PlainWall,
    Grass,
    GroundNormal,
    Ground,
    BricksNormal,
    Bricks,
    Coin,
    CoinGlow,
    Bag,
    Toilet,
    // The materials' pictures
    SkyRoom,
    WoodGround,
    TitleBoard,
    CloudDome,
    Frame01,
    WonBoard,
    TimeUpBoard,
    DrunkBoard,
    UnicornBoard,
    ToiletBoard,
    Earth,
    CoinDigit0,
    BeerDigit0,
    // The passes' programs
    ScreenProgram,
    BlurProgram,
    GlowCopyProgram,
    // The fields' drawers
    CoinBlur,
    BeerLabel,
    // The sky
    SkyCubeMap,
    // The lettering
    HudProgram,
    HudAtlas,
    PausedBoard,
    MenuLetters,
    // Shown during play
    Frame02, Frame03, Frame04, Frame05, Frame06, Frame07, Frame08, Frame09, Frame10, Frame11, Frame12,
    Frame13, Frame14, Frame15, Frame16, Frame17, Frame18, Frame19, Frame20, Frame21, Frame22,
    CoinDigit1, CoinDigit2, CoinDigit3, CoinDigit4, CoinDigit5, CoinDigit6, CoinDigit7, CoinDigit8, CoinDigit9,
    BeerDigit1, BeerDigit2, BeerDigit3, BeerDigit4,
    // Sounds: the effects, then the two loops
    CoinSound,
    BeerSound,
    JumpSound,
    LandSound,
    LadderSound,
    HiccupSound,
    WhinnySound,
    ToiletSound,
    FanfareSound,
    BuzzerSound,
    RewindSound,
    AmbienceSound,
    TuneSound,
};

} // namespace tavernrush
