#pragma once

#include <span>
#include <string_view>

namespace varnel::app {

// The main window's controls as data: each caption with the name of the command it runs.
// An empty command name marks an item that exists and does nothing when chosen.

enum class EntryKind { Menu, Item, Separator, Submenu, EndSubmenu };

struct MenuEntry {
    EntryKind kind;
    std::string_view caption = {};
    std::string_view command = {};
    std::string_view objectName = {};
};

struct CommandButton {
    std::string_view caption;
    std::string_view command = {};
    std::string_view objectName = {};
};

struct TabPage {
    std::string_view title;
    int columns;
    std::span<const CommandButton> buttons;
};

// The fourteen menus in order: a Menu entry opens each, Submenu … EndSubmenu nest.
std::span<const MenuEntry> MenuBarEntries();
std::span<const TabPage> TabPages();
std::span<const CommandButton> BannerButtons();
std::span<const CommandButton> BottomBarButtons();

}  // namespace varnel::app
