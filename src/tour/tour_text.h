// Texts of the tour guide: the hotkey written out for people and the expansion of "%h".
#pragma once

#include <cstdint>
#include <string>

constexpr std::size_t HotkeyNameLimit = 127;
constexpr std::size_t KeyNameLimit = 63;
constexpr std::size_t TourTextLimit = 511;

// The words put before the key's own name, one per modifier ("Ctrl + " and so on).
struct ModifierWords {
    std::string ctrl;
    std::string alt;
    std::string shift;
    std::string windows;
};

// Ctrl, Alt, Shift and Windows in this order, then the key's name as the system gives it.
std::string buildHotkeyName(std::int32_t hotkey, const ModifierWords& words, const std::string& keyName);

// "%h" (or "%H") becomes the hotkey name, "%%" one '%'; any other '%' pair and a '%' at the end vanish.
std::string expandTourText(const std::string& text, const std::string& hotkeyName);
