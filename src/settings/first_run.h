// The settings a user starts with when no settings file exists yet.
#pragma once

#include <string>

#include "settings/settings_model.h"

// The shell folders a first run catalogues; values are the shell's CSIDL numbers.
enum class SpecialFolder : int {
    Documents = 5,
    Favorites = 6,
    StartMenu = 11,
    Desktop = 16,
    CommonStartMenu = 22,
    CommonDesktop = 25,
};

class SpecialFolders {
public:
    virtual ~SpecialFolders() = default;
    // The folder's path, or empty when the system cannot name it.
    virtual std::string pathOf(SpecialFolder folder) const = 0;
};

// Display texts of the defaults, loaded from the string table by the caller.
struct FirstRunNames {
    std::string filesAndFolders;
    std::string filesOnly;
    std::string applicationsOnly;
    std::string documents;
    std::string startMenu;
    std::string commonStartMenu;
    std::string favorites;
    std::string desktop;
    std::string commonDesktop;
};

// Appends the three default definitions and one directory for every special folder the
// system names; global values are left as they are.
void addFirstRunDefaults(Settings& settings, const SpecialFolders& folders, const FirstRunNames& names);
