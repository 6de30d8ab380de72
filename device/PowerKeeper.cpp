#include "device/PowerKeeper.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/NamedEvent.h"
#include "platform/registry/Registry.h"
#include "resources/Format.h"

namespace sorna {
namespace {

// One device value that is overridden while the keeper is on.
struct OverrideRow {
    RegistryRoot root;
    std::u16string_view key;
    std::u16string_view value;
    uint32_t override;
    int32_t mirrorId;
};

// Rows followed by the event that makes the system re-read them.
struct RowGroup {
    std::span<const OverrideRow> rows;
    std::u16string_view event;
    bool needsFirstKey;  // without the first row's key the whole group, event included, is skipped
};

constexpr std::u16string_view kBacklightKey = u"ControlPanel\\Backlight";
constexpr std::u16string_view kTimeoutsKey = u"SYSTEM\\CurrentControlSet\\Control\\Power\\Timeouts";

constexpr OverrideRow kBacklightRows[] = {
    {HKEY_CURRENT_USER, u"ControlPanel\\ScreenSaver", u"Mode", 1, 8194},
    {HKEY_CURRENT_USER, kBacklightKey, u"BatteryTimeout", 0, 8192},
    {HKEY_CURRENT_USER, kBacklightKey, u"ACTimeout", 0, 8193},
    {HKEY_CURRENT_USER, u"ControlPanel\\Power", u"Display", 0xFFFFFFFF, 8195},
    {HKEY_LOCAL_MACHINE, kBacklightKey, u"BatteryTimeout", 0, 8202},
    {HKEY_LOCAL_MACHINE, kBacklightKey, u"ACTimeout", 0, 8203},
};

constexpr OverrideRow kPowerManagerRows[] = {
    {HKEY_LOCAL_MACHINE, kTimeoutsKey, u"ACUserIdle", 0, 8198},
    {HKEY_LOCAL_MACHINE, kTimeoutsKey, u"BattUserIdle", 0, 8199},
    {HKEY_LOCAL_MACHINE, kTimeoutsKey, u"ACSystemIdle", 0, 8200},
    {HKEY_LOCAL_MACHINE, kTimeoutsKey, u"BattSystemIdle", 0, 8201},
    {HKEY_LOCAL_MACHINE, kTimeoutsKey, u"ACSuspend", 0, 8196},
    {HKEY_LOCAL_MACHINE, kTimeoutsKey, u"BattSuspend", 0, 8197},
};

constexpr RowGroup kRowGroups[] = {
    {kBacklightRows, u"BackLightChangeEvent", false},
    {kPowerManagerRows, u"PowerManager/ReloadActivityTimeouts", true},
};

// The mirror values sit directly in the local-machine root.
constexpr RegistryRoot kMirrorRoot = HKEY_LOCAL_MACHINE;
constexpr std::u16string_view kMirrorPath = u"";

std::u16string MirrorName(int32_t mirrorId) {
    return FormatText(u"%d", {int64_t{mirrorId}});
}

// The override is written only once the prior value is safe in the mirror: a value that could not
// be restored afterwards is left as it is. A mirror value left by a killed run, while its override
// is still in force, already holds the true prior value and is kept. True on any change.
bool OverrideRowValue(RegistryKey& key, const OverrideRow& row) {
    const std::optional<uint32_t> current = key.QueryDword(row.value);
    if (!current) {
        return false;
    }
    std::optional<RegistryKey> mirror = RegistryKey::Create(kMirrorRoot, kMirrorPath);
    if (!mirror) {
        return false;
    }
    const std::u16string name = MirrorName(row.mirrorId);
    const bool keepMirror = *current == row.override && mirror->QueryDword(name).has_value();
    if (!keepMirror && !mirror->SetDword(name, *current)) {
        return false;
    }
    // A value that will not take the override stays as it was, and its mirror then restores
    // that same value: nothing to undo.
    static_cast<void>(key.SetDword(row.value, row.override));
    return true;
}

// The mirror value is deleted only once the prior value is back in place. True when restored.
bool RestoreRowValue(RegistryKey& key, const OverrideRow& row) {
    std::optional<RegistryKey> mirror =
        RegistryKey::Open(kMirrorRoot, kMirrorPath, RegistryAccess::Write);
    if (!mirror) {
        return false;
    }
    const std::u16string name = MirrorName(row.mirrorId);
    const std::optional<uint32_t> prior = mirror->QueryDword(name);
    if (!prior || !key.SetDword(row.value, *prior)) {
        return false;
    }
    // A mirror value left behind is harmless: the next switch-on keeps it only while the device
    // value still holds the override.
    static_cast<void>(mirror->DeleteValue(name));
    return true;
}

// True on any change.
bool WalkGroup(const RowGroup& group, bool on) {
    bool changed = false;
    for (const OverrideRow& row : group.rows) {
        std::optional<RegistryKey> key =
            RegistryKey::Open(row.root, row.key, RegistryAccess::Write);
        if (!key) {
            if (group.needsFirstKey && &row == &group.rows.front()) {
                return changed;
            }
            continue;
        }
        changed = (on ? OverrideRowValue(*key, row) : RestoreRowValue(*key, row)) || changed;
    }
    SetNamedEvent(group.event);
    return changed;
}

// The mirror's root reaches the disk before the overrides and after the restored values, so a
// crash between the two files never loses a prior value.
void FlushWalk(bool on) {
    constexpr RegistryRoot kOtherRoot = HKEY_CURRENT_USER;
    // Failing flushes are silent, as the device's own registry is; the next walk writes again.
    static_cast<void>(FlushRegistry(on ? kMirrorRoot : kOtherRoot));
    static_cast<void>(FlushRegistry(on ? kOtherRoot : kMirrorRoot));
}

}  // namespace

PowerKeeper::PowerKeeper(IdleInhibitor& idleInhibitor) : idleInhibitor(idleInhibitor) {}

PowerKeeper::~PowerKeeper() {
    Switch(false);
}

void PowerKeeper::Switch(bool on) {
    if (lastState == on) {
        return;
    }
    lastState = on;
    Walk(on);
    if (on) {
        idleInhibitor.Inhibit();
    } else {
        idleInhibitor.UnInhibit();
    }
}

void PowerKeeper::SimulateUserActivity() {
    idleInhibitor.SimulateUserActivity();
}

void PowerKeeper::Walk(bool on) {
    bool changed = false;
    for (const RowGroup& group : kRowGroups) {
        changed = WalkGroup(group, on) || changed;
    }
    if (changed) {
        FlushWalk(on);
    }
}

}  // namespace sorna
