#pragma once
// Reads the level's files on worker threads while the window and its context
// come up: the models (and their material pictures) and every picture the
// level builds a texture or cube face from, each with its smaller mipmap
// levels. The Level still creates every GL object on the GL thread in its
// fixed order and takes each file there, so the order of GL objects, the
// console lines and the pictures stay as they are; it only finds the work
// done. Start it once the data folder is known, before the window opens.
// It reads the asset table's rows of the level's parts, in table order, with
// the same replaced paths the level is given.

#include "game/AssetPaths.h"

#include <thread>
#include <vector>

namespace tavernrush {

class LevelPreload {
public:
    explicit LevelPreload(const AssetPaths& paths = {});
    ~LevelPreload() { finish(); }
    // Once the level is built: waits for the workers (they stop early once
    // asked) and drops anything the level did not take, so later loads read
    // their files afresh.
    void finish();
    LevelPreload(const LevelPreload&) = delete;
    LevelPreload& operator=(const LevelPreload&) = delete;

private:
    std::vector<std::jthread> workers_; // one today
};

} // namespace tavernrush
