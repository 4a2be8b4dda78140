#include "app/KeyNames.h"

#include <GLFW/glfw3.h>

#include <array>
#include <cctype>

namespace tavernrush {
namespace {

constexpr std::array<NamedKey, 104> keys = {{
    {"a", GLFW_KEY_A},
    {"b", GLFW_KEY_B},
    {"c", GLFW_KEY_C},
    {"d", GLFW_KEY_D},
    {"e", GLFW_KEY_E},
    {"f", GLFW_KEY_F},
    {"g", GLFW_KEY_G},
    {"h", GLFW_KEY_H},
    {"i", GLFW_KEY_I},
    {"j", GLFW_KEY_J},
    {"k", GLFW_KEY_K},
    {"l", GLFW_KEY_L},
    {"m", GLFW_KEY_M},
    {"n", GLFW_KEY_N},
    {"o", GLFW_KEY_O},
    {"p", GLFW_KEY_P},
    {"q", GLFW_KEY_Q},
    {"r", GLFW_KEY_R},
    {"s", GLFW_KEY_S},
    {"t", GLFW_KEY_T},
    {"u", GLFW_KEY_U},
    {"v", GLFW_KEY_V},
    {"w", GLFW_KEY_W},
    {"x", GLFW_KEY_X},
    {"y", GLFW_KEY_Y},
    {"z", GLFW_KEY_Z},
    {"0", GLFW_KEY_0},
    {"1", GLFW_KEY_1},
    {"2", GLFW_KEY_2},
    {"3", GLFW_KEY_3},
    {"4", GLFW_KEY_4},
    {"5", GLFW_KEY_5},
    {"6", GLFW_KEY_6},
    {"7", GLFW_KEY_7},
    {"8", GLFW_KEY_8},
    {"9", GLFW_KEY_9},
    {"f1", GLFW_KEY_F1},
    {"f2", GLFW_KEY_F2},
    {"f3", GLFW_KEY_F3},
    {"f4", GLFW_KEY_F4},
    {"f5", GLFW_KEY_F5},
    {"f6", GLFW_KEY_F6},
    {"f7", GLFW_KEY_F7},
    {"f8", GLFW_KEY_F8},
    {"f9", GLFW_KEY_F9},
    {"f10", GLFW_KEY_F10},
    {"f11", GLFW_KEY_F11},
    {"f12", GLFW_KEY_F12},
    {"up", GLFW_KEY_UP},
    {"down", GLFW_KEY_DOWN},
    {"left", GLFW_KEY_LEFT},
    {"right", GLFW_KEY_RIGHT},
    {"space", GLFW_KEY_SPACE},
    {"enter", GLFW_KEY_ENTER},
    {"tab", GLFW_KEY_TAB},
    {"backspace", GLFW_KEY_BACKSPACE},
    {"insert", GLFW_KEY_INSERT},
    {"delete", GLFW_KEY_DELETE},
    {"home", GLFW_KEY_HOME},
    {"end", GLFW_KEY_END},
    {"page_up", GLFW_KEY_PAGE_UP},
    {"page_down", GLFW_KEY_PAGE_DOWN},
    {"caps_lock", GLFW_KEY_CAPS_LOCK},
    {"scroll_lock", GLFW_KEY_SCROLL_LOCK},
    {"num_lock", GLFW_KEY_NUM_LOCK},
    {"print_screen", GLFW_KEY_PRINT_SCREEN},
    {"pause", GLFW_KEY_PAUSE},
    {"menu", GLFW_KEY_MENU},
    {"left_shift", GLFW_KEY_LEFT_SHIFT},
    {"right_shift", GLFW_KEY_RIGHT_SHIFT},
    {"left_control", GLFW_KEY_LEFT_CONTROL},
    {"right_control", GLFW_KEY_RIGHT_CONTROL},
    {"left_alt", GLFW_KEY_LEFT_ALT},
    {"right_alt", GLFW_KEY_RIGHT_ALT},
    {"left_super", GLFW_KEY_LEFT_SUPER},
    {"right_super", GLFW_KEY_RIGHT_SUPER},
    {"apostrophe", GLFW_KEY_APOSTROPHE},
    {"comma", GLFW_KEY_COMMA},
    {"minus", GLFW_KEY_MINUS},
    {"period", GLFW_KEY_PERIOD},
    {"slash", GLFW_KEY_SLASH},
    {"semicolon", GLFW_KEY_SEMICOLON},
    {"equal", GLFW_KEY_EQUAL},
    {"left_bracket", GLFW_KEY_LEFT_BRACKET},
    {"backslash", GLFW_KEY_BACKSLASH},
    {"right_bracket", GLFW_KEY_RIGHT_BRACKET},
    {"grave_accent", GLFW_KEY_GRAVE_ACCENT},
    {"kp_0", GLFW_KEY_KP_0},
    {"kp_1", GLFW_KEY_KP_1},
    {"kp_2", GLFW_KEY_KP_2},
    {"kp_3", GLFW_KEY_KP_3},
    {"kp_4", GLFW_KEY_KP_4},
    {"kp_5", GLFW_KEY_KP_5},
    {"kp_6", GLFW_KEY_KP_6},
    {"kp_7", GLFW_KEY_KP_7},
    {"kp_8", GLFW_KEY_KP_8},
    {"kp_9", GLFW_KEY_KP_9},
    {"kp_decimal", GLFW_KEY_KP_DECIMAL},
    {"kp_divide", GLFW_KEY_KP_DIVIDE},
    {"kp_multiply", GLFW_KEY_KP_MULTIPLY},
    {"kp_subtract", GLFW_KEY_KP_SUBTRACT},
    {"kp_add", GLFW_KEY_KP_ADD},
    {"kp_enter", GLFW_KEY_KP_ENTER},
    {"kp_equal", GLFW_KEY_KP_EQUAL},
}};

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

} // namespace

std::span<const NamedKey> namedKeys() { return keys; }

std::optional<int> keyCodeNamed(std::string_view name)
{
    for (const NamedKey& key : keys) {
        if (sameIgnoringCase(key.name, name)) {
            return key.code;
        }
    }
    return std::nullopt;
}

std::string_view keyNameOf(int code)
{
    for (const NamedKey& key : keys) {
        if (key.code == code) {
            return key.name;
        }
    }
    return "?";
}

} // namespace tavernrush
