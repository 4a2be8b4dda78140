// tavernrush-icon: makes the desktop icon from the generated coin pictures.
//   tavernrush-icon <coin face> <coin halo> <output.png> <size>
#include "IconComposer.h"
#include "IconFiles.h"
#include "app/CommandLineReader.h"

#include <charconv>
#include <iostream>
#include <string_view>
#include <string>
#include <utility>
#include <vector>

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
    constexpr const char* usage = "usage: tavernrush-icon <coin face> <coin halo> <output.png> <size>\n";
    tavernrush::CommandLineReader reader;
    std::vector<std::string> arguments;
    reader.addPositionals(arguments);
    const auto outcome = reader.read(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (outcome.helpAsked) {
        std::cout << usage;
        return 0;
    }
    const std::string mistake =
        outcome.mistake.empty()
            ? tavernrush::argumentCountMistake(arguments, {"<coin face>", "<coin halo>", "<output.png>", "<size>"})
            : outcome.mistake;
    if (!mistake.empty()) {
        std::cerr << "tavernrush-icon: " << mistake << "\n" << usage;
        return 2;
    }
    const std::string& facePath = arguments[0];
    const std::string& haloPath = arguments[1];
    const std::string& outputPath = arguments[2];
    const int size = parseSize(arguments[3]);
    if (size < 1 || size > 4096) {
        std::cerr << "tavernrush-icon: size must be 1 to 4096 pixels, not '" << arguments[3] << "'\n";
        return 2;
    }
    // Both pictures are required: an icon without its coin would pass every
    // later check while showing nothing the player recognises.
    const auto face = loadPicture(facePath);
    const auto halo = loadPicture(haloPath);
    for (const auto& [picture, path] : {std::pair{&face, &facePath}, std::pair{&halo, &haloPath}}) {
        if (!*picture || (*picture)->empty()) {
            std::cerr << "tavernrush-icon: cannot read '" << *path << "'\n";
            return 1;
        }
    }
    if (!savePng(composeIcon(*face, *halo, size), outputPath)) {
        std::cerr << "tavernrush-icon: cannot write '" << outputPath << "'\n";
        return 1;
    }
    return 0;
}
