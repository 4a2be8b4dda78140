#pragma once
// The eight OBJ models of the level, imported once at start-up.

#include "model/ImportedModel.h"

namespace tavernrush {

struct LevelModels {
    // Imported in this order; each failure prints its own line and leaves an
    // empty model.
    ImportedModel figure{"assets/meshes/sprinto.obj"};
    ImportedModel plainWall{"assets/meshes/wall.obj"}; // imported, never drawn
    ImportedModel unicorn{"assets/meshes/unicorns.obj"};
    ImportedModel ladder{"assets/meshes/leiter.obj"};
    ImportedModel terrain{"assets/meshes/terrain.obj"}; // imported, never drawn
    ImportedModel brickWall{"assets/meshes/wand.obj"};
    ImportedModel bag{"assets/meshes/bag.obj"};
    ImportedModel toiletHut{"assets/meshes/klo.obj"};
};

} // namespace tavernrush
