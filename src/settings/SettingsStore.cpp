// The twelve view settings kept in the registry: where each lives, loading and storing them.
#include "SettingsStore.h"

namespace zyfo {

namespace {

// The key under HKEY_CURRENT_USER.
constexpr const char *kKeyPath = "SOFTWARE\\VENTRO\\ZYFO_1.0";

} // namespace

SettingsStore::SettingsStore(ChartSettings &chart, LiveUpdateSettings &liveUpdate)
    : m_settings{{
          {"TLO", &chart.backColor},
          {"TEXT", &chart.textColor},
          {"LINIA", &chart.lineWidth},
          {"APROKSYMACJA", &chart.maxPoints},
          {"DATA", &chart.showDate},
          {"AV", &chart.showMeans},
          {"CZAS", &chart.showTime},
          {"DATA_LINIA", &chart.dateTimeOneLine},
          {"ONLINE_CHECK", &liveUpdate.on},
          {"ONLINE_TIME", &liveUpdate.period},
          {"ONLINE_CHECK_LAST", &liveUpdate.lastOn},
          {"ONLINE_DRAW_LAST", &liveUpdate.lastCount},
      }}
{}

std::uint32_t SettingsStore::valueOf(const Setting &setting)
{
    return std::visit([](auto *field) { return static_cast<std::uint32_t>(*field); },
                      setting.field);
}

void SettingsStore::assign(const Setting &setting, std::uint32_t value)
{
    std::visit(
        [value](auto *field) {
            *field = static_cast<std::remove_pointer_t<decltype(field)>>(value);
        },
        setting.field);
}

void SettingsStore::Load(CRegistryKey &key)
{
    if (key.Create(HKEY_CURRENT_USER, kKeyPath))
        readValues(key);
    key.Close();
}

void SettingsStore::LoadExisting(CRegistryKey &key)
{
    if (key.Open(HKEY_CURRENT_USER, kKeyPath))
        readValues(key);
    key.Close();
}

void SettingsStore::readValues(CRegistryKey &key)
{
    for (const Setting &setting : m_settings) {
        // Cleared for every value: a value shorter than 4 bytes only fills its own bytes, and
        // must not pick up the rest of the value read before it.
        DWORD buffer = 0;
        if (key.ReadDword(setting.name, &buffer))
            assign(setting, buffer);
    }
}

void SettingsStore::Store(CRegistryKey &key)
{
    if (key.Open(HKEY_CURRENT_USER, kKeyPath)) {
        for (const Setting &setting : m_settings) {
            const DWORD buffer = valueOf(setting);
            key.WriteValue(setting.name, &buffer, REG_DWORD, sizeof buffer);
        }
    }
    key.Close();
}

} // namespace zyfo
