#pragma once

#include <cstdint>

#include "resources/CommandIds.h"
#include "settings/Settings.h"

namespace sorna {

// The commands that switch one setting on and off, and show it as a checked item of 보기.
struct SettingToggle {
    CommandId id;
    bool Settings::*setting;
    bool changesPage;  // the page is laid out and painted anew for it
};

inline constexpr SettingToggle kSettingToggles[] = {
    {IDM_USE_DICTIONARY, &Settings::bUseEngDic, false},
    {IDM_ROTATE, &Settings::bRotate, true},
    {IDM_SHOW_PERCENT, &Settings::bShowPercent, true},
    {IDM_LINE_BREAK_RULES, &Settings::bLineBreakRules, true},
    {IDM_LIMIT_LINE_LENGTH, &Settings::bLimitLineLength, true},
    {IDM_JOIN_LINES, &Settings::bJoinLines, true},
    {IDM_JUSTIFY, &Settings::bJustify, true},
};

// The toggle of a command, if it is one.
constexpr const SettingToggle* FindSettingToggle(CommandId id) {
    for (const SettingToggle& toggle : kSettingToggles) {
        if (toggle.id == id) {
            return &toggle;
        }
    }
    return nullptr;
}

}  // namespace sorna
