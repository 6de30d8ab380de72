#include "settings/Settings.h"

#include "platform/HardwareKeyCodes.h"
#include "resources/DictionaryStrings.h"

namespace sorna {

Settings::Settings() {
    ApplyDisplayDefaults();
    ApplyKeyDefaults();
}

void Settings::ApplyDisplayDefaults() {
    nLineSpace = 3;
    nLRSpace = 4;
    nTBSpace = 4;
    nFontSize = 15;
    nShareLine = 0;
    bBold = false;
    bRotate = false;
    bRemoveLineStartSpace = true;
    bUseEngDic = false;
    clrText = 0x00FFFFFF;
    clrBkgnd = 0x00000000;
    bSearchIgnoreCase = false;
    bFullscreen = false;
    bLeftScroolbar = false;
    bShowProgress = false;
    bSmoothScroll = false;
    nAutoScrollSpeed = 100;
    bShowPercent = false;
    bLineBreakRules = false;
    bLimitLineLength = false;
    bJoinLines = false;
    bSearchIgnoreSpacing = false;
    nTheme = 0;
    bJustify = false;
    sFontFaceName = u"Tahoma";
    sEngDicPath = kDefaultDictionaryProgram;
}

void Settings::ApplyKeyDefaults() {
    for (int slot = 0; slot < kKeySlotCount; ++slot) {
        keyFunctions[slot] = 0;
        keyCodes[slot] = int32_t(kFirstHardwareKey) + slot;
    }
}

}  // namespace sorna
