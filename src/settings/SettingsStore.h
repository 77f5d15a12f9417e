// The twelve view settings kept in the registry: where each lives, loading and storing them.
#pragma once

#include "CRegistryKey.h"
#include "ChartSettings.h"
#include "LiveUpdateSettings.h"

#include <array>
#include <cstdint>
#include <type_traits>
#include <variant>

namespace zyfo {

// Binds each registry value to the field that holds the setting while the program runs: eight
// in the chart control's ChartSettings, four in the main window's LiveUpdateSettings. Values
// are taken as they are: nothing is clamped here (the settings dialogs do that when the user
// edits a value).
class SettingsStore
{
public:
    static constexpr std::size_t kSettingCount = 12;

    // The fields must outlive the store.
    SettingsStore(ChartSettings &chart, LiveUpdateSettings &liveUpdate);

    // Creates the key when it is missing (so it exists from the first start on) and copies
    // every value present into its field, in table order. A missing value, or one longer than
    // 4 bytes, leaves its field as it is; a shorter one is read as a little-endian number. A
    // key that cannot be made leaves every field. The key is closed again.
    void Load(CRegistryKey &key);

    // As Load, but only when the key exists: a missing key is left missing and every field as
    // it is (for tools that read the viewer's settings without changing them).
    void LoadExisting(CRegistryKey &key);

    // Opens the key without creating it and writes all twelve fields as 4-byte REG_DWORD
    // values. Nothing is written when the key has disappeared since loading; failed writes
    // are ignored. The key is closed again.
    void Store(CRegistryKey &key);

private:
    struct Setting
    {
        const char *name;
        std::variant<COLORREF *, int *> field;
    };

    static std::uint32_t valueOf(const Setting &setting);
    static void assign(const Setting &setting, std::uint32_t value);
    // Copies every value present in the open `key` into its field.
    void readValues(CRegistryKey &key);

    std::array<Setting, kSettingCount> m_settings;
};

} // namespace zyfo
