// What the frames show: the built replay tool plays a short script in a small
// square window, and chosen regions of its screenshots are measured. Places
// in the picture come from the trace (ImageViewProjection.h), so the checks
// follow the level's layout, not pixel positions copied from one run.
// Thresholds are properties with wide margins (the sky is blue, a shadow is
// darker, two runs differ only where they should), so they survive other
// drivers and the generated pictures being repainted; each says why it is
// the size it is. A failing case leaves its marked-up pictures next to its
// output under e2e-output/ and prints their paths.

#include "ImageProbe.h"
#include "ImageRun.h"
#include "ImageViewProjection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace tavernrush::e2e {
namespace {

const glm::ivec2 imageSize{imageWindowSize, imageWindowSize};

std::string describe(const Colour& colour)
{
    return "(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", " +
           std::to_string(colour.blue) + ")";
}

ScreenPoint mustProject(const ViewPose& pose, const glm::vec3& world)
{
    const std::optional<ScreenPoint> point = projectToScreen(pose, world, imageSize);
    EXPECT_TRUE(point.has_value()) << "behind the camera: " << world.x << ", " << world.y << ", " << world.z;
    return point.value_or(ScreenPoint{});
}

TEST(ImageGLTest, TheSkyFillsTheTopOfTheStartView)
{
    const ShotRun run = runWithShots({"image-sky", "", 3, 1.0 / 60.0, {2}});
    const std::optional<ScreenImage> shot = run.shot(2);
    ASSERT_TRUE(shot);
    FailureEvidence evidence(run.folder);
    evidence.note(run.shotPath(2));
    ProbeMarks marks(*shot);
    const int width = shot->width();
    const int height = shot->height();

    // The top eighth looks over the plaza into the sky box. A daytime sky,
    // however the generator paints it, is blue before anything else; clouds
    // pull the mean towards white, so the margins are about half of what the
    // current sky gives (blue leads red by some 90 and green by some 55).
    const PixelBox top{0, 0, width, height / 8};
    const Colour sky = shot->mean(top);
    marks.outline(top, markMagenta);
    EXPECT_GT(sky.blue, sky.red + 45.0) << describe(sky);
    EXPECT_GT(sky.blue, sky.green + 25.0) << describe(sky);
    EXPECT_GT(sky.brightness(), 120.0) << "a sky, not a dark clear colour: " << describe(sky);

    // Column by column, so a sky drawn only in part of the width shows up;
    // two of eight may be covered by a cloud or a glowing coin.
    int blueColumns = 0;
    for (int column = 0; column < 8; ++column) {
        const PixelBox box{column * width / 8, 0, (column + 1) * width / 8, height / 8};
        const Colour colour = shot->mean(box);
        blueColumns += colour.blue > colour.red + 20.0 ? 1 : 0;
    }
    EXPECT_GE(blueColumns, 6);

    // The bottom of the view is ground: grass, path and plaza have more
    // green than blue (the current ground some 60 more).
    const PixelBox bottom{0, height * 7 / 8, width, height};
    const Colour ground = shot->mean(bottom);
    marks.outline(bottom, markCyan);
    EXPECT_GT(ground.green, ground.blue + 20.0) << describe(ground);
    evidence.add("sky-probes.png", marks.image());
}

TEST(ImageGLTest, ACoinInFrontOfTheCameraHasABrightHalo)
{
    // Nobody moves: coin 6 of the seeded layout falls through the view in
    // front of the sky. At frame 20 it stands nearly face on, some 19 units
    // ahead; by frame 60 it has fallen well away from that place, so frame
    // 60 shows the same sky there without it. The coins draw with the camera
    // of the frame before, which matters nothing to a camera that stands.
    constexpr long coinFrame = 20;
    constexpr long skyFrame = 60;
    const ShotRun run = runWithShots({"image-coin-halo", "", skyFrame + 1, 1.0 / 60.0, {coinFrame, skyFrame}});
    ASSERT_EQ(run.trace.size(), static_cast<std::size_t>(skyFrame + 1));
    const std::optional<ScreenImage> withCoin = run.shot(coinFrame);
    const std::optional<ScreenImage> withoutCoin = run.shot(skyFrame);
    ASSERT_TRUE(withCoin && withoutCoin);
    FailureEvidence evidence(run.folder);
    evidence.note(run.shotPath(coinFrame));
    evidence.note(run.shotPath(skyFrame));

    const ViewPose pose = viewPoseOf(run.trace[coinFrame]);
    const glm::vec3 coin = vec3Of(run.trace[coinFrame].at("coinPositions").at(6));
    const ScreenPoint centre = mustProject(pose, coin);
    ASSERT_LT(centre.depth, 30.0f) << "the coin is not close in front of the camera";
    // The coin's radius is 0.7 units; seen this close it is some 6 pixels.
    const float radius = 0.7f * pixelsPerUnit(pose, centre.depth, imageSize);
    ASSERT_GT(radius, 4.0f);
    ASSERT_GT(centre.pixel.y, 3.0f * radius) << "the coin should be seen against the sky";

    const PixelRing face{centre.pixel, 0.0f, 0.4f * radius};
    const PixelRing halo{centre.pixel, 1.15f * radius, 1.6f * radius};
    const PixelRing beyond{centre.pixel, 2.4f * radius, 3.5f * radius};
    ProbeMarks marks(*withCoin);
    marks.outline(face, markRed);
    marks.outline(halo, markMagenta);
    marks.outline(beyond, markCyan);
    evidence.add("coin-probes.png", marks.image());

    // The coin itself: gold against a blue sky (red leads blue by some 100).
    const Colour coinFace = withCoin->mean(face);
    EXPECT_GT(coinFace.red, coinFace.blue + 50.0) << describe(coinFace);

    // Just outside the coin's edge the blurred glow brightens the sky by some
    // 24 levels at this size; 10 still tells a halo from none, and from the
    // few levels a driver's filtering may move.
    const double haloGain = withCoin->mean(halo).brightness() - withoutCoin->mean(halo).brightness();
    EXPECT_GT(haloGain, 10.0) << "halo " << describe(withCoin->mean(halo)) << " over the bare sky "
                              << describe(withoutCoin->mean(halo));
    // Further out the two frames show the same sky: the brightening is the
    // coin's own glow, not a change of the whole picture (it is 0 here).
    const double farGain = withCoin->mean(beyond).brightness() - withoutCoin->mean(beyond).brightness();
    EXPECT_LT(std::abs(farGain), 3.0);
}

TEST(ImageGLTest, TheGroundIsDarkerUnderTheFigureThanBesideIt)
{
    // Walk to z = -10 (the shadow map covers only ground with z <= 0), face
    // +x, lower the camera offset to 2 (right drag up) and look down 45
    // degrees (left drag up). The sun shines along (0, -1, 1), so the figure's
    // shadow runs from its feet towards +z: to the right in this view.
    constexpr long frame = 40;
    const ShotRun run = runWithShots({"image-shadow",
                                      "1-20 key up\n21-35 key right\n"
                                      "36-50 cursor 0 -344\n36 button right\n"
                                      "37-50 cursor 0 -434\n37 button left\n",
                                      frame + 1, 0.1, {frame}});
    ASSERT_EQ(run.trace.size(), static_cast<std::size_t>(frame + 1));
    const std::optional<ScreenImage> shot = run.shot(frame);
    ASSERT_TRUE(shot);
    FailureEvidence evidence(run.folder);
    evidence.note(run.shotPath(frame));

    const ViewPose pose = viewPoseOf(run.trace[frame]);
    ASSERT_NEAR(pose.player.z, -10.0f, 1e-3f);
    ASSERT_NEAR(pose.direction.x, 1.0f, 1e-3f);
    ProbeMarks marks(*shot);
    // Along the shadow of the body (1.5 to 3.5 units from the feet), against
    // the plaza 1.6 units to either side of it, clear of the figure itself.
    for (const float along : {1.6f, 2.2f, 2.8f, 3.4f}) {
        const glm::vec3 shadowPoint = pose.player + glm::vec3(0.0f, 0.0f, along);
        const PixelBox under = boxAround(mustProject(pose, shadowPoint).pixel, 2);
        const PixelBox nearSide = boxAround(mustProject(pose, shadowPoint - glm::vec3(1.6f, 0.0f, 0.0f)).pixel, 2);
        const PixelBox farSide = boxAround(mustProject(pose, shadowPoint + glm::vec3(1.6f, 0.0f, 0.0f)).pixel, 2);
        marks.outline(under, markRed);
        marks.outline(nearSide, markCyan);
        marks.outline(farSide, markCyan);
        const double shaded = shot->mean(under).brightness();
        const double lit = (shot->mean(nearSide).brightness() + shot->mean(farSide).brightness()) / 2.0;
        // The shadow keeps only the ambient share of the light, about 40 % of
        // the lit sand here; the sand's own pattern varies by some 15 %, so
        // 70 % separates the two with room to spare.
        EXPECT_LT(shaded, 0.7 * lit) << along << " units along the shadow: " << describe(shot->mean(under))
                                     << " beside " << describe(shot->mean(nearSide)) << " and "
                                     << describe(shot->mean(farSide));
    }
    evidence.add("shadow-probes.png", marks.image());
}

// The counter spheres orbit the world's y axis 10 units up: the beer sphere
// at radius 3.5 turning -1 radian per second, the coin sphere at radius 2
// turning 1.5, both from +z.
glm::vec3 beerSphereAt(float seconds) { return {3.5f * std::sin(-seconds), 10.0f, 3.5f * std::cos(-seconds)}; }
glm::vec3 coinSphereAt(float seconds)
{
    return {2.0f * std::sin(1.5f * seconds), 10.0f, 2.0f * std::cos(1.5f * seconds)};
}

TEST(ImageGLTest, APickedUpBeerChangesOnlyTheBeerSphere)
{
    // Walk into beer 6 (frame 19), turn towards the middle of the level, tilt
    // the camera up 10 degrees and zoom to a 20-degree view: at frame 60 the
    // coin sphere, the earth and the beer sphere hang side by side. The
    // second run is the same but restarts with C in frame 58, so its beer
    // sphere shows 0 again while everything else is as in the first run.
    constexpr long frame = 60;
    const std::string route = "1-12 key left\n1-19 key up\n20-45 key right\n"
                              "46-60 cursor 0 20\n46 button left\n47 scroll 40\n";
    const ShotRun picked = runWithShots({"image-counter-picked", route, frame + 1, 0.1, {frame}});
    const ShotRun restarted = runWithShots({"image-counter-restarted", route + "58 key c\n", frame + 1, 0.1, {frame}});
    ASSERT_EQ(picked.trace.size(), static_cast<std::size_t>(frame + 1));
    ASSERT_EQ(restarted.trace.size(), static_cast<std::size_t>(frame + 1));
    ASSERT_EQ(picked.trace[frame].at("beers").get<double>(), 1.0);
    ASSERT_EQ(picked.trace[frame].at("coins").get<double>(), 0.0);
    ASSERT_EQ(restarted.trace[frame].at("beers").get<double>(), 0.0);
    const std::optional<ScreenImage> one = picked.shot(frame);
    const std::optional<ScreenImage> zero = restarted.shot(frame);
    ASSERT_TRUE(one && zero);
    FailureEvidence evidence(picked.folder);
    evidence.note(picked.shotPath(frame));
    evidence.note(restarted.shotPath(frame));
    evidence.addDifference("counter-difference.png", *one, *zero);

    const ViewPose pose = viewPoseOf(picked.trace[frame]);
    const auto seconds = static_cast<float>(picked.trace[frame].at("gameTimer").get<double>());
    const ScreenPoint beer = mustProject(pose, beerSphereAt(seconds));
    const ScreenPoint coin = mustProject(pose, coinSphereAt(seconds));
    const float beerRadius = 0.4f * pixelsPerUnit(pose, beer.depth, imageSize);
    const float coinRadius = 0.5f * pixelsPerUnit(pose, coin.depth, imageSize);
    ASSERT_GT(beerRadius, 4.0f);
    ASSERT_GT(glm::distance(beer.pixel, coin.pixel), 3.0f * (beerRadius + coinRadius)) << "the spheres overlap";

    const ScreenImage difference = channelDifference(*one, *zero);
    const PixelRing beerFace{beer.pixel, 0.0f, 0.8f * beerRadius};
    const PixelRing coinFace{coin.pixel, 0.0f, 0.8f * coinRadius};
    ProbeMarks marks(*one);
    marks.outline(beerFace, markRed);
    marks.outline(coinFace, markCyan);
    // The digit 1 replaces the 0 on the beer sphere: where they differ the
    // pixels change by up to two hundred levels, some 37 on average over the
    // sphere's face at this size. 8 leaves room for other digit paintings.
    EXPECT_GT(difference.mean(beerFace).red, 8.0) << "the beer sphere shows the same picture after the pickup";
    // The coin count is 0 in both runs: its sphere is the same (exactly so
    // on the software renderer).
    EXPECT_LT(difference.mean(coinFace).red, 1.0);
    // Nothing else changes: outside the beer sphere and the few pixels its
    // bloom reaches, the two pictures agree within 4 levels (they agree
    // exactly on the software renderer; 4 allows another driver's rounding).
    // The countdown in the corner started again with the restart.
    const int margin = static_cast<int>(std::ceil(2.5f * beerRadius)) + 3;
    const PixelBox beerArea = boxAround(beer.pixel, margin);
    marks.outline(beerArea, markMagenta);
    EXPECT_LE(difference.largestChannelOutside({beerArea, countdownBox(imageWindowSize)}), 4);
    evidence.add("counter-probes.png", marks.image());
}

TEST(ImageGLTest, ADuePictureFillsMostOfTheViewUprightAndUnmirrored)
{
    // Walking straight ahead meets unicorn 1 of the seeded herd at frame 50;
    // the figure then stands frozen under the unicorn picture.
    constexpr long frame = 55;
    const ShotRun run = runWithShots({"image-picture-board", "1-52 key up\n", frame + 1, 0.1, {frame}});
    ASSERT_EQ(run.trace.size(), static_cast<std::size_t>(frame + 1));
    ASSERT_EQ(picturesOf(run.trace[frame]), std::vector<std::string>{"unicornScreen"});
    ASSERT_EQ(vec3Of(run.trace[frame - 1].at("player")), vec3Of(run.trace[frame].at("player")))
        << "the figure still moves";
    const std::optional<ScreenImage> shot = run.shot(frame);
    const std::optional<ScreenImage> picture = ScreenImage::load(run.folder / "assets/textures/mellowdude.jpg");
    ASSERT_TRUE(shot && picture);
    FailureEvidence evidence(run.folder);
    evidence.note(run.shotPath(frame));

    // The 7 x 7 board stands 6 units above the figure, facing the way it
    // faces: u runs along the figure's right, v downwards.
    const ViewPose pose = viewPoseOf(run.trace[frame]);
    const glm::vec3 right = glm::normalize(glm::vec3(-pose.direction.z, 0.0f, pose.direction.x));
    const glm::vec3 centre = pose.player + glm::vec3(0.0f, 6.0f, 0.0f);
    const auto boardPoint = [&](float u, float v) {
        return mustProject(pose, centre + right * ((u - 0.5f) * 7.0f) + glm::vec3(0.0f, (0.5f - v) * 7.0f, 0.0f)).pixel;
    };
    const glm::vec2 topLeft = boardPoint(0.0f, 0.0f);
    const glm::vec2 bottomRight = boardPoint(1.0f, 1.0f);
    const glm::vec2 extent = bottomRight - topLeft;
    // "Most of the view": the board covers some 45 % of it from 9 units.
    EXPECT_GT(extent.x * extent.y, 0.4f * static_cast<float>(imageSize.x * imageSize.y));

    // The picture as it should read: a 6 x 6 grid of cells inside the board,
    // each cell's mean colour on screen against the same cell of the picture
    // file. The board is lit by its ambient factor 1 and faces away from the
    // sun, so it shows the picture's own colours: the whole board is within
    // 2 levels of the picture now, single cells within 22 (filtering at the
    // edges of letters and lines, and a pixel of placement, move a cell's
    // mean). 36 per channel keeps room for another driver's filtering; a
    // board drawn mirrored, upside down or with another picture misses by
    // 50 to 100 in several cells.
    ProbeMarks marks(*shot);
    constexpr int cells = 6;
    constexpr float inset = 0.08f;
    const float cellSize = (1.0f - 2.0f * inset) / cells;
    for (int row = 0; row < cells; ++row) {
        for (int column = 0; column < cells; ++column) {
            const float u0 = inset + static_cast<float>(column) * cellSize;
            const float v0 = inset + static_cast<float>(row) * cellSize;
            const glm::vec2 a = boardPoint(u0, v0);
            const glm::vec2 b = boardPoint(u0 + cellSize, v0 + cellSize);
            const PixelBox onScreen{static_cast<int>(std::ceil(a.x)) + 1, static_cast<int>(std::ceil(a.y)) + 1,
                                    static_cast<int>(std::floor(b.x)) - 1, static_cast<int>(std::floor(b.y)) - 1};
            const auto texel = [&](float t, int size) { return static_cast<int>(t * static_cast<float>(size)); };
            const PixelBox inPicture{texel(u0, picture->width()), texel(v0, picture->height()),
                                     texel(u0 + cellSize, picture->width()), texel(v0 + cellSize, picture->height())};
            const Colour seen = shot->mean(onScreen);
            const Colour painted = picture->mean(inPicture);
            const bool close = std::abs(seen.red - painted.red) <= 36.0 &&
                               std::abs(seen.green - painted.green) <= 36.0 &&
                               std::abs(seen.blue - painted.blue) <= 36.0;
            marks.outline(onScreen, close ? markCyan : markRed);
            if (!close) {
                ADD_FAILURE() << "cell row " << row << " column " << column << ": seen " << describe(seen)
                              << ", picture " << describe(painted);
            }
        }
    }
    evidence.add("picture-probes.png", marks.image());
}

TEST(ImageGLTest, HoldingNChangesOnlyTheBrickWall)
{
    // Walk to the right of the wall, face -z, shift the camera 6 units right
    // (right drag), tilt it down a little (left drag) and zoom to a 40-degree
    // view: the wall stands in the middle, some 20 units ahead. The second
    // run holds N in the frame of the picture.
    constexpr long frame = 36;
    const std::string route = "1-8 key left\n9-22 key up\n23-30 key right\n"
                              "31-39 cursor -687.5 0\n31 button right\n"
                              "32-39 cursor -687.5 -27.5\n32 button left\n33 scroll 20\n";
    const ShotRun mapped = runWithShots({"image-wall-mapped", route, frame + 1, 0.1, {frame}});
    const ShotRun plain = runWithShots({"image-wall-plain", route + "36 key n\n", frame + 1, 0.1, {frame}});
    ASSERT_EQ(mapped.trace.size(), static_cast<std::size_t>(frame + 1));
    const std::optional<ScreenImage> withMap = mapped.shot(frame);
    const std::optional<ScreenImage> withoutMap = plain.shot(frame);
    ASSERT_TRUE(withMap && withoutMap);
    FailureEvidence evidence(mapped.folder);
    evidence.note(mapped.shotPath(frame));
    evidence.note(plain.shotPath(frame));
    evidence.addDifference("wall-difference.png", *withMap, *withoutMap);

    const ViewPose pose = viewPoseOf(mapped.trace[frame]);
    const glm::vec3 anchor{-10.0f, 1.5f, -6.0f};
    const ScreenPoint centre = mustProject(pose, anchor);
    const ScreenImage difference = channelDifference(*withMap, *withoutMap);
    ProbeMarks marks(*withMap);

    // Over the middle of the wall the two programs shade the bricks
    // differently by some 38 levels on average now; 10 tells a change from
    // none whatever the bricks and the normal map look like.
    const auto halfMiddle = static_cast<int>(0.6f * pixelsPerUnit(pose, centre.depth, imageSize));
    const PixelBox wallMiddle = boxAround(centre.pixel, halfMiddle);
    marks.outline(wallMiddle, markRed);
    EXPECT_GT(difference.mean(wallMiddle).red, 10.0);

    // Outside the wall nothing changes (exactly so on the software
    // renderer; 4 levels allow another driver's rounding). The wall is some
    // 5 x 3 units; the box kept out is 8 x 6 around its anchor.
    const glm::vec2 corner1 = mustProject(pose, anchor + glm::vec3(-4.0f, 3.0f, 0.0f)).pixel;
    const glm::vec2 corner2 = mustProject(pose, anchor + glm::vec3(4.0f, -3.0f, 0.0f)).pixel;
    const PixelBox wallArea{static_cast<int>(corner1.x), static_cast<int>(corner1.y), static_cast<int>(corner2.x) + 1,
                            static_cast<int>(corner2.y) + 1};
    marks.outline(wallArea, markMagenta);
    ASSERT_LT((wallArea.right - wallArea.left) * (wallArea.bottom - wallArea.top), imageSize.x * imageSize.y * 2 / 3)
        << "the view is too close to the wall to see round it";
    EXPECT_LE(difference.largestChannelOutside(wallArea), 4);
    evidence.add("wall-probes.png", marks.image());
}

TEST(ImageGLTest, FullScreenShowsTheSquareImageCentredBetweenBlackBars)
{
    // F10 in frame 2 moves the window onto the whole monitor; frame 5 is
    // drawn there. F10 again in frame 8 brings the window back.
    const ShotRun run = runWithShots({"image-letterbox", "2 key f10\n8 key f10\n", 11, 0.1, {5, 10}});
    ASSERT_EQ(run.trace.size(), 11u);
    if (!run.trace[5].at("isFullscreen").get<bool>()) {
        GTEST_SKIP() << "the test display offers no monitor to go full screen on";
    }
    ASSERT_FALSE(run.trace[10].at("isFullscreen").get<bool>());
    const std::optional<ScreenImage> full = run.shot(5);
    const std::optional<ScreenImage> windowed = run.shot(10);
    ASSERT_TRUE(full && windowed);
    FailureEvidence evidence(run.folder);
    evidence.note(run.shotPath(5));

    const int width = full->width();
    const int height = full->height();
    ASSERT_GT(width, imageWindowSize) << "the full-screen picture is no larger than the window";
    ASSERT_NE(width, height) << "a square monitor leaves no bars to check";
    // The game draws a square image; the largest square fits centred, the
    // rest stays black. Bars are at most a pixel apart in size, so a pixel
    // at each edge of the square is left out of the checks.
    const int side = std::min(width, height);
    const int left = (width - side) / 2;
    const int top = (height - side) / 2;
    const PixelBox square{left, top, left + side, top + side};
    const std::array<PixelBox, 2> bars = width > height
                                             ? std::array<PixelBox, 2>{PixelBox{0, 0, left - 1, height},
                                                                       PixelBox{left + side + 1, 0, width, height}}
                                             : std::array<PixelBox, 2>{PixelBox{0, 0, width, top - 1},
                                                                       PixelBox{0, top + side + 1, width, height}};
    ProbeMarks marks(*full);
    for (const PixelBox& bar : bars) {
        // Cleared to black, which every driver writes as 0; 2 allows for
        // nothing but rounding.
        EXPECT_LE(full->largestChannel(bar), 2);
        marks.outline(bar, markRed);
    }
    // The image reaches the square's edges: a strip just inside each edge
    // across the bars shows the scene (some 60 levels bright now; a black
    // strip is 0).
    const int strip = std::max(side / 100, 2);
    const std::array<PixelBox, 2> edges =
        width > height ? std::array<PixelBox, 2>{PixelBox{left + 1, top, left + 1 + strip, top + side},
                                                 PixelBox{left + side - 1 - strip, top, left + side - 1, top + side}}
                       : std::array<PixelBox, 2>{PixelBox{left, top + 1, left + side, top + 1 + strip},
                                                 PixelBox{left, top + side - 1 - strip, left + side, top + side - 1}};
    for (const PixelBox& edge : edges) {
        EXPECT_GT(full->mean(edge).brightness(), 20.0) << describe(full->mean(edge));
        marks.outline(edge, markCyan);
    }
    // The whole view is scaled into the square, not cut: sky along its top,
    // ground along its bottom, as in the window.
    const Colour sky = full->mean(PixelBox{square.left, square.top, square.right, square.top + side / 10});
    const Colour ground = full->mean(PixelBox{square.left, square.bottom - side / 10, square.right, square.bottom});
    EXPECT_GT(sky.blue, sky.red + 40.0) << describe(sky);
    EXPECT_GT(ground.green, ground.blue + 20.0) << describe(ground);
    evidence.add("letterbox-probes.png", marks.image());

    // Back in the window, the image fills it again edge to edge.
    EXPECT_EQ(windowed->width(), imageWindowSize);
    EXPECT_EQ(windowed->height(), imageWindowSize);
    EXPECT_GT(windowed->mean(PixelBox{0, 0, 3, imageWindowSize}).brightness(), 20.0);
    EXPECT_GT(windowed->mean(PixelBox{imageWindowSize - 3, 0, imageWindowSize, imageWindowSize}).brightness(), 20.0);
}

TEST(ImageGLTest, HoldingHBrightensTheGroundAndDDarkensIt)
{
    // Five seconds of H (or D) at 60 frames a second move the ground's
    // ambient factor by 0.6. Nobody moves, so the three runs differ only in
    // what the keys change; the figure is drawn by the same program but
    // keeps its own light, so the probes keep to the ground beside it.
    constexpr long frame = 300;
    const ShotRun plain = runWithShots({"image-ground-plain", "", frame + 1, 1.0 / 60.0, {frame}});
    const ShotRun brighter = runWithShots({"image-ground-brighter", "1-300 key h\n", frame + 1, 1.0 / 60.0, {frame}});
    const ShotRun darker = runWithShots({"image-ground-darker", "1-300 key d\n", frame + 1, 1.0 / 60.0, {frame}});
    const std::optional<ScreenImage> base = plain.shot(frame);
    const std::optional<ScreenImage> up = brighter.shot(frame);
    const std::optional<ScreenImage> down = darker.shot(frame);
    ASSERT_TRUE(base && up && down);
    FailureEvidence evidence(plain.folder);
    evidence.addDifference("brighter-difference.png", *base, *up);
    evidence.addDifference("darker-difference.png", *base, *down);

    const int side = imageWindowSize;
    const std::array<PixelBox, 2> ground{PixelBox{0, side * 7 / 8, side / 4, side},
                                         PixelBox{side * 3 / 4, side * 7 / 8, side, side}};
    for (const PixelBox& box : ground) {
        // The ambient share is 0.35 of the surface colour; a factor 1.6 adds
        // a fifth of the ground's colour, some 20 levels here. 8 tells that
        // from no change, which is what the ground showed before it took
        // the factor.
        EXPECT_GT(up->mean(box).brightness(), base->mean(box).brightness() + 8.0)
            << describe(up->mean(box)) << " against " << describe(base->mean(box));
        EXPECT_LT(down->mean(box).brightness(), base->mean(box).brightness() - 8.0)
            << describe(down->mean(box)) << " against " << describe(base->mean(box));
    }
}

TEST(ImageGLTest, TheCountdownSitsInTheCornerAndWhilePausedNothingMoves)
{
    // P is pressed in frame 6; frames 8 and 12 are both paused.
    const ShotRun run = runWithShots({"image-countdown-pause", "6 key p\n", 13, 1.0 / 60.0, {4, 8, 12}});
    const std::optional<ScreenImage> playing = run.shot(4);
    const std::optional<ScreenImage> paused = run.shot(8);
    const std::optional<ScreenImage> later = run.shot(12);
    ASSERT_TRUE(playing && paused && later);
    FailureEvidence evidence(run.folder);
    evidence.note(run.shotPath(4));
    evidence.note(run.shotPath(8));

    // White letters with a dark outline in the sky's corner: the bright sky
    // and clouds hold nothing near black, and the letters are near white.
    const PixelBox corner = countdownBox(imageWindowSize);
    int darkest = 255;
    int brightest = 0;
    for (int y = corner.top; y < corner.bottom; ++y) {
        for (int x = corner.left; x < corner.right; ++x) {
            const glm::ivec3 rgb = playing->pixel(x, y);
            darkest = std::min(darkest, std::max({rgb.r, rgb.g, rgb.b}));
            brightest = std::max(brightest, std::min({rgb.r, rgb.g, rgb.b}));
        }
    }
    EXPECT_LT(darkest, 80);
    EXPECT_GT(brightest, 200);
    // Outside its corner the view is the sky as ever: the countdown stays
    // small (a quarter of the width at most) and in the top tenth-and-a-bit.
    EXPECT_LT(corner.right, imageWindowSize / 4);
    EXPECT_LT(corner.bottom, imageWindowSize * 3 / 20);

    // Paused: the blue PAUSED board in the middle, and two paused frames
    // are the same picture to the last level, the counter spheres included.
    // The board is 0.3 of the height high; this is its blue above the word.
    const float side = imageWindowSize;
    const Colour board = paused->mean(boxAround({side / 2.0f, side / 2.0f - 0.11f * side}, 2));
    EXPECT_GT(board.blue, board.red + 30.0) << describe(board);
    EXPECT_EQ(channelDifference(*paused, *later).largestChannelOutside(PixelBox{}), 0);
}

} // namespace
} // namespace tavernrush::e2e
