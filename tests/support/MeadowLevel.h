#pragma once
// The level the rules' tests play: the shipped meadow, read from its file
// once, so the tests take its positions and numbers from where the game
// does instead of copying them.

#include "game/LevelFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

namespace tavernrush::testing {

inline const LevelDescription& meadow()
{
    static const LevelDescription level = [] {
        LevelParse parse = loadLevel(TAVERNRUSH_LEVEL_DIR, defaultLevelName);
        if (const auto* error = std::get_if<LevelFileError>(&parse)) {
            std::cerr << error->message << '\n';
            std::abort();
        }
        return std::get<LevelDescription>(std::move(parse));
    }();
    return level;
}

} // namespace tavernrush::testing
