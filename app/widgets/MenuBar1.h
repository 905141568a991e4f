#pragma once
// The menu bar's menus and items, as data.

#include <QKeySequence>

struct MenuItemSpec {
    const char* menu;     // the menu's object name
    const char* menuText; // "&" marks the mnemonic
    const char* name;     // the item's object name; nullptr for a separator
    const char* text;
    QKeySequence shortcut;
};

const MenuItemSpec* menuBar1Items(int* count);
