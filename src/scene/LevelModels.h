#pragma once
// The eight OBJ models of the level, imported once at start-up.

#include "game/LevelFiles.h"
#include "model/ImportedModel.h"

namespace tavernrush {

struct LevelModels {
    // Imported in this order; each failure prints its own line and leaves an
    // empty model.
    ImportedModel figure{files::figureModel};
    ImportedModel plainWall{files::plainWallModel}; // imported, never drawn
    ImportedModel unicorn{files::unicornModel};
    ImportedModel ladder{files::ladderModel};
    ImportedModel terrain{files::terrainModel}; // imported, never drawn
    ImportedModel brickWall{files::brickWallModel};
    ImportedModel bag{files::bagModel};
    ImportedModel toiletHut{files::toiletHutModel};
};

} // namespace tavernrush
