#include "app/Game.h"

#include "app/Camera.h"
#include "app/GameWindow.h"
#include "app/GlSceneRenderer.h"
#include "app/GlfwInput.h"
#include "app/KeyWait.h"
#include "app/LevelModels.h"
#include "app/LevelResources.h"
#include "app/Settings.h"
#include "game/BeerField.h"
#include "game/CoinField.h"
#include "game/FieldDrawers.h"
#include "game/UnicornHerd.h"
#include "passes/Bloom.h"
#include "passes/ShadowMap.h"
#include "physics/PhysicsStartup.h"
#include "render/Lights.h"
#include "render/Skybox.h"

#include <iostream>

namespace tavernrush {
namespace {

// Builds the level in its fixed order, runs the frame loop and releases every
// GL object again while the context still exists.
void playLevel(GameWindow& window, const Settings& settings, const GameHooks& hooks)
{
    LevelModels models;
    const SceneLights lights = makeSceneLights();
    CameraState camera;
    initCamera(camera, static_cast<float>(settings.width) / static_cast<float>(settings.height));
    startPhysics(std::cout);

    LevelShaders shaders = buildLevelShaders();
    LevelTextures textures = loadLevelTextures();
    LevelMaterials materials = createLevelMaterials(shaders, settings.brightness);
    LevelGeometry geometry(materials, settings);

    Bloom bloom(settings.width, settings.height);
    ShadowMap shadowMap;
    std::vector<glm::vec3> unicorns = placeUnicorns();

    GlfwInput glfwInput(window.handle());
    GlfwClock glfwClock;
    const InputSource& input = hooks.input != nullptr ? *hooks.input : glfwInput;
    Clock& clock = hooks.clock != nullptr ? *hooks.clock : glfwClock;

    // The coins draw with last frame's camera; before the first frame that is
    // the start-up camera.
    shaders.glow->use();
    setLightUniforms(*shaders.glow, CameraUniforms{camera.cameraPosition, camera.projectionMatrix * camera.viewMatrix},
                     lights);
    CoinField coinField;
    CoinFieldDrawer coinDrawer(shaders.glow);
    BeerField beerField;
    BeerFieldDrawer beerDrawer(shaders.phong);
    Skybox skybox;

    GlSceneRenderer renderer(RenderParts{models, lights, shaders, textures, materials, geometry, bloom, shadowMap,
                                         coinDrawer, beerDrawer, skybox});
    SceneRenderer& usedRenderer = hooks.wrapRenderer ? hooks.wrapRenderer(renderer) : renderer;
    FrameLoop loop(FrameLoopParts{settings, window, input, clock, usedRenderer, camera, coinField, beerField,
                                  std::move(unicorns)});
    connectScrollWheel(window.handle(), loop);
    loop.run(hooks.observer);

    glfwSetScrollCallback(window.handle(), nullptr);
    glUseProgram(0);
}

} // namespace

int runGame(const GameHooks& hooks)
{
    const Settings settings = loadSettings(settingsPath, std::cout);
    std::cout.flush();
    auto opened = GameWindow::open(settings);
    if (auto* message = std::get_if<std::string>(&opened)) {
        std::cout << "ERROR: " << *message << std::endl;
        waitForKeyPress(std::cin, std::cout, standardInputIsTerminal());
        return 1;
    }
    auto window = std::move(std::get<std::unique_ptr<GameWindow>>(opened));
    connectEscapeKey(window->handle());
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_DEPTH_TEST);
    playLevel(*window, settings, hooks);
    return 0;
}

} // namespace tavernrush
