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
    bBold = 0;
    bRotate = 0;
    bRemoveLineStartSpace = 1;
    bUseEngDic = 0;
    clrText = 0x00FFFFFF;
    clrBkgnd = 0x00000000;
    bSearchIgnoreCase = 0;
    bFullscreen = 0;
    bLeftScroolbar = 0;
    bShowProgress = 0;
    bSmoothScroll = 0;
    nAutoScrollSpeed = 100;
    bShowPercent = 0;
    bLineBreakRules = 0;
    bLimitLineLength = 0;
    bJoinLines = 0;
    bSearchIgnoreSpacing = 0;
    nTheme = 0;
    bJustify = 0;
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
