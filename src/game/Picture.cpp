#include "game/Picture.h"

namespace tavernrush {

std::string_view pictureBoardName(Picture picture)
{
    switch (picture) {
    case Picture::Toilet: return "toiletScreen";
    case Picture::Won: return "wonScreen";
    case Picture::Drunk: return "drunkScreen";
    case Picture::TimeUp: return "timeUpScreen";
    case Picture::Unicorn: return "unicornScreen";
    }
    return "unknownScreen";
}

} // namespace tavernrush
