#include "scene/Level.h"

namespace tavernrush {

Level::Level(const Settings& settings)
    : lights(makeSceneLights()),
      shaders(buildLevelShaders()),
      textures(loadLevelTextures()),
      materials(createLevelMaterials(shaders, settings.brightness)),
      geometry(materials, settings),
      bloom(settings.width, settings.height),
      coinDrawer(shaders.glow),
      beerDrawer(shaders.phong)
{
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_DEPTH_TEST);
}

// The programs go with the level; none may stay current after them.
Level::~Level() { glUseProgram(0); }

} // namespace tavernrush
