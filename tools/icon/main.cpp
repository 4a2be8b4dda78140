// tavernrush-icon: makes the desktop icon from the generated coin pictures.
//   tavernrush-icon <coin face> <coin halo> <output.png> <size>
#include "IconComposer.h"
#include "IconFiles.h"

#include <charconv>
#include <iostream>
#include <string_view>
#include <utility>

namespace {

int parseSize(std::string_view text)
{
    int size = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    if (error != std::errc() || end != text.data() + text.size()) {
        return 0;
    }
    return size;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace tavernrush::icon;
    if (argc != 5) {
        std::cerr << "usage: tavernrush-icon <coin face> <coin halo> <output.png> <size>\n";
        return 2;
    }
    const int size = parseSize(argv[4]);
    if (size < 1 || size > 4096) {
        std::cerr << "tavernrush-icon: size must be 1 to 4096 pixels, not '" << argv[4] << "'\n";
        return 2;
    }
    // Both pictures are required: an icon without its coin would pass every
    // later check while showing nothing the player recognises.
    const auto face = loadPicture(argv[1]);
    const auto halo = loadPicture(argv[2]);
    for (const auto& [picture, path] : {std::pair{&face, argv[1]}, std::pair{&halo, argv[2]}}) {
        if (!*picture || (*picture)->empty()) {
            std::cerr << "tavernrush-icon: cannot read '" << path << "'\n";
            return 1;
        }
    }
    if (!savePng(composeIcon(*face, *halo, size), argv[3])) {
        std::cerr << "tavernrush-icon: cannot write '" << argv[3] << "'\n";
        return 1;
    }
    return 0;
}
