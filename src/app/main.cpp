// Tavernrush: collect ten coins in seventy seconds.
#include "app/Game.h"
#include "app/PictureMemoryReuse.h"

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    tavernrush::reuseFreedPictureMemory();
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return tavernrush::runGame(arguments);
}
