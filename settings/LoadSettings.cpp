#include <algorithm>
#include <limits>

#include "platform/registry/RegistryName.h"
#include "resources/DictionaryStrings.h"
#include "settings/NumberedValues.h"
#include "settings/RegistryValues.h"
#include "settings/Settings.h"
#include "settings/SettingsValues.h"
#include "settings/UsableSizes.h"

namespace sorna {
namespace {

// A value that is no number gives way to the default, which the next save writes over it; the
// file it stood in is kept first, so that no hand edit is lost.
void ReadDword(std::u16string_view name, auto& field) {
    if (ReadDwordValue(kSettingsRoot, kSettingsKey, name, field, field) == DwordRead::NoDword) {
        KeepRegistryFileAtNextFlush(kSettingsRoot);
    }
}

bool ReadString(std::u16string_view name, std::u16string& text) {
    return ReadStringValue(kSettingsRoot, kSettingsKey, name, text);
}

// A size that no screen can use is stored as the nearest one that every screen can, so that the
// next save writes it; the file it stood in is kept first. How far a margin or the line spacing
// may reach depends on the page, so only the page's layout holds them to it.
void BringSizeInRange(int32_t& size, int32_t usable) {
    if (size != usable) {
        size = usable;
        KeepRegistryFileAtNextFlush(kSettingsRoot);
    }
}

void BringSizesInRange(Settings& settings) {
    BringSizeInRange(settings.nFontSize, UsableFontSize(settings.nFontSize));
    for (int32_t* space : {&settings.nLRSpace, &settings.nTBSpace, &settings.nLineSpace}) {
        BringSizeInRange(*space, std::max(*space, 0));
    }
}

int32_t ReadCount(std::u16string_view name) {
    int32_t count = 0;
    ReadDword(name, count);
    return count;
}

int32_t ReadPosition(std::u16string_view prefix, int32_t n) {
    int32_t position = 0;
    ReadDword(NumberedValueName(prefix, n), position);
    return position;
}

std::u16string ReadNumberedString(std::u16string_view prefix, int32_t n) {
    std::u16string text;
    ReadString(NumberedValueName(prefix, n), text);
    return text;
}

bool IsSettingsKey(std::span<const std::u16string> keyPath) {
    static const std::vector<std::u16string> settingsPath = SplitKeyPath(kSettingsKey);
    return std::ranges::equal(keyPath, settingsPath, SameRegistryName);
}

// A list with a limit takes no entry numbered from it on, however many a hand-edited file holds:
// the registry passes them over as it reads the file, so that a list grown to hundreds of
// thousands costs no memory and little time at the start, and the next save's file is without
// them.
bool IsEntryPastLimit(std::span<const std::u16string> keyPath, std::u16string_view name) {
    return (NamesEntryFrom(name, kRecentFilePrefixes, RecentFiles::kLimit) ||
            NamesEntryFrom(name, kRecentSearchPrefixes, RecentSearches::kLimit)) &&
           IsSettingsKey(keyPath);
}

// Only entries whose name value is stored are visited, whatever the count claims, and none from
// the list's limit on.
std::vector<int32_t> StoredEntries(std::u16string_view countName, std::u16string_view prefix,
                                   size_t limit = std::numeric_limits<int32_t>::max()) {
    const int32_t count = ReadCount(countName);
    return StoredNumbers(kSettingsRoot, kSettingsKey, prefix,
                         static_cast<int32_t>(std::min<int64_t>(count, limit)));
}

void LoadRecentFiles(RecentFiles& recentFiles) {
    recentFiles.ClearRecentFiles();
    for (const int32_t n :
         StoredEntries(kRecentFileCountValue, kRecentFileNamePrefix, RecentFiles::kLimit)) {
        const int32_t position = ReadPosition(kRecentFilePositionPrefix, n);
        std::u16string path = ReadNumberedString(kRecentFileNamePrefix, n);
        std::u16string encoding = ReadNumberedString(kRecentFileEncodingPrefix, n);
        int32_t byte = -1;
        ReadDword(NumberedValueName(kRecentFileBytePrefix, n), byte);
        if (!path.empty()) {
            recentFiles.Append({std::move(path), position, {}, std::move(encoding), byte});
        }
    }
}

void LoadBookmarks(Bookmarks& bookmarks) {
    bookmarks.ClearBookmarks();
    for (const int32_t n : StoredEntries(kBookmarkCountValue, kBookmarkNamePrefix)) {
        const int32_t position = ReadPosition(kBookmarkPositionPrefix, n);
        std::u16string path = ReadNumberedString(kBookmarkNamePrefix, n);
        std::u16string label = ReadNumberedString(kBookmarkLabelPrefix, n);
        if (!path.empty() && !label.empty()) {
            bookmarks.Append({std::move(path), position, std::move(label), {}});
        }
    }
}

void LoadRecentSearches(RecentSearches& recentSearches) {
    recentSearches.ClearSearches();
    for (const int32_t n :
         StoredEntries(kRecentSearchCountValue, kRecentSearchPrefix, RecentSearches::kLimit)) {
        std::u16string text;
        if (ReadString(NumberedValueName(kRecentSearchPrefix, n), text)) {
            recentSearches.Append(std::move(text));
        }
    }
}

}  // namespace

void Settings::LoadSettings() {
    ReadRegistryRoot(kSettingsRoot, IsEntryPastLimit);
    ApplyDisplayDefaults();
    ApplyKeyDefaults();
    for (const NamedDwordField& option : kOptionDwords) {
        std::visit([&](auto member) { ReadDword(option.name, this->*member); }, option.field);
    }
    BringSizesInRange(*this);
    for (int32_t slot = 0; slot < kKeySlotCount; ++slot) {
        ReadDword(SlotValueName(kKeyFunctionPrefix, slot), keyFunctions[slot]);
        ReadDword(SlotValueName(kKeyCodePrefix, slot), keyCodes[slot]);
    }
    ReadString(kFontFaceNameValue, sFontFaceName);
    ReadString(kEngDicPathValue, sEngDicPath);
    if (sEngDicPath == kWindowsDictionaryPath) {
        sEngDicPath = kDefaultDictionaryProgram;
    }
    LoadRecentFiles(recentFiles);
    LoadBookmarks(bookmarks);
    LoadRecentSearches(recentSearches);
}

}  // namespace sorna
