#pragma once
// Where the files named "assets/..." really are.
//
// Every file the game reads has one name in the code, "assets/<relative>",
// and that name is what the console lines print when the game runs from a
// folder holding ./assets (the build tree, a developer's checkout). An
// installed game keeps its data elsewhere (/usr/share/games/tavernrush), so
// the loaders pass each name through assetPath() right where they open the
// file and print what they opened: with the default folder the name comes
// back unchanged and every message stays as it was; with another folder
// the messages show the real file, which is what a player needs to fix it.
// One mapping at the few loaders keeps the dozens of names in the level and
// the rules as they are.

#include <string>
#include <string_view>

namespace tavernrush {

inline constexpr std::string_view defaultAssetFolder = "assets";

// Chosen once at start-up, before anything loads; "assets" until then.
void setAssetFolder(std::string folder);
const std::string& assetFolder();

// "assets/x/y" -> "<folder>/x/y"; any other path comes back as it is.
std::string assetPath(std::string_view path);

} // namespace tavernrush
