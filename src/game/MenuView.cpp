#include "game/MenuView.h"

namespace tavernrush {

std::string_view menuScreenName(MenuScreen screen)
{
    switch (screen) {
    case MenuScreen::Title: return "title";
    case MenuScreen::Pause: return "pause";
    case MenuScreen::Options: return "options";
    case MenuScreen::Graphics: return "graphics";
    case MenuScreen::Controls: return "controls";
    case MenuScreen::Rebind: return "rebind";
    }
    return "title";
}

} // namespace tavernrush
