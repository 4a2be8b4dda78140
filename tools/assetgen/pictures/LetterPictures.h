#pragma once
// The menus' letters and boards (textures/letters.png, laid out as
// src/scene/LetterAtlas.h says): white letters with a dark outline, so the
// game tints them, on the pause board's blue with its brown and gold frame.

#include "Image.h"

#include <filesystem>

namespace tavernrush::assetgen {

Image paintLetterAtlas();

} // namespace tavernrush::assetgen
