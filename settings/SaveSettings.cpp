#include "settings/NumberedValues.h"
#include "settings/RegistryValues.h"
#include "settings/Settings.h"
#include "settings/SettingsValues.h"

namespace sorna {
namespace {

// A save that fails leaves the file as it was, silently: the reader has never spoken of its
// settings files, and the next save tries again.
void WriteDword(std::u16string_view name, uint32_t value) {
    static_cast<void>(WriteDwordValue(kSettingsRoot, kSettingsKey, name, value));
}

void WriteString(std::u16string_view name, std::u16string_view text) {
    static_cast<void>(WriteStringValue(kSettingsRoot, kSettingsKey, name, text));
}

// An empty text is no value at all: an entry that had one loses it.
void WriteOptionalString(std::u16string_view name, std::u16string_view text) {
    if (text.empty()) {
        static_cast<void>(DeleteValue(kSettingsRoot, kSettingsKey, name));
    } else {
        WriteString(name, text);
    }
}

void WriteOptionalDword(std::u16string_view name, int32_t value) {
    if (value < 0) {
        static_cast<void>(DeleteValue(kSettingsRoot, kSettingsKey, name));
    } else {
        WriteDword(name, static_cast<uint32_t>(value));
    }
}

void WriteCount(std::u16string_view name, size_t count) {
    WriteDword(name, static_cast<uint32_t>(count));
}

// The entries a list holds and no more: those of a list cleared or shrunk since its last save are
// deleted, so that what the reader was told to forget is gone from the file too.
void DeleteEntriesFrom(std::span<const std::u16string_view> prefixes, size_t count) {
    DeleteNumberedValues(kSettingsRoot, kSettingsKey, prefixes, count);
}

void SaveRecentFiles(const RecentFiles& recentFiles) {
    const auto& entries = recentFiles.Entries();
    WriteCount(kRecentFileCountValue, entries.size());
    for (size_t n = 0; n < entries.size(); ++n) {
        const auto index = static_cast<int32_t>(n);
        WriteDword(NumberedValueName(kRecentFilePositionPrefix, index), entries[n].position);
        WriteString(NumberedValueName(kRecentFileNamePrefix, index), entries[n].path);
        WriteOptionalString(NumberedValueName(kRecentFileEncodingPrefix, index),
                            entries[n].encoding);
        WriteOptionalDword(NumberedValueName(kRecentFileBytePrefix, index), entries[n].byte);
    }
    DeleteEntriesFrom(kRecentFilePrefixes, entries.size());
}

void SaveBookmarks(const Bookmarks& bookmarks) {
    const auto& entries = bookmarks.Entries();
    WriteCount(kBookmarkCountValue, entries.size());
    for (size_t n = 0; n < entries.size(); ++n) {
        const auto index = static_cast<int32_t>(n);
        WriteDword(NumberedValueName(kBookmarkPositionPrefix, index), entries[n].position);
        WriteString(NumberedValueName(kBookmarkNamePrefix, index), entries[n].path);
        WriteString(NumberedValueName(kBookmarkLabelPrefix, index), entries[n].label);
    }
    DeleteEntriesFrom(kBookmarkPrefixes, entries.size());
}

void SaveRecentSearches(const RecentSearches& recentSearches) {
    const auto& entries = recentSearches.Entries();
    WriteCount(kRecentSearchCountValue, entries.size());
    for (size_t n = 0; n < entries.size(); ++n) {
        WriteString(NumberedValueName(kRecentSearchPrefix, static_cast<int32_t>(n)), entries[n]);
    }
    DeleteEntriesFrom(kRecentSearchPrefixes, entries.size());
}

}  // namespace

void Settings::SaveSettings() const {
    for (const NamedDwordField& option : kOptionDwords) {
        std::visit([&](auto member) { WriteDword(option.name, this->*member); }, option.field);
    }
    WriteString(kFontFaceNameValue, sFontFaceName);
    WriteString(kEngDicPathValue, sEngDicPath);
    for (int32_t slot = 0; slot < kKeySlotCount; ++slot) {
        WriteDword(SlotValueName(kKeyFunctionPrefix, slot), keyFunctions[slot]);
        WriteDword(SlotValueName(kKeyCodePrefix, slot), keyCodes[slot]);
    }
    SaveRecentFiles(recentFiles);
    SaveBookmarks(bookmarks);
    SaveRecentSearches(recentSearches);
    // One file write for the whole save, durable when this returns.
    static_cast<void>(FlushRegistry(kSettingsRoot));
}

}  // namespace sorna
