// Test helper: the settings key's values as the per-user registry file holds them.
#pragma once

#include "RegistryStore.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace zyfo::test {

inline const std::string kSettingsKey = "SOFTWARE\\VENTRO\\ZYFO_1.0";

// The twelve value names in the order they are loaded and stored.
inline const char *const kSettingNames[] = {"TLO",
                                            "TEXT",
                                            "LINIA",
                                            "APROKSYMACJA",
                                            "DATA",
                                            "AV",
                                            "CZAS",
                                            "DATA_LINIA",
                                            "ONLINE_CHECK",
                                            "ONLINE_TIME",
                                            "ONLINE_CHECK_LAST",
                                            "ONLINE_DRAW_LAST"};

// Stores `bytes` as a value of registry type `type`, creating the key.
inline void writeValue(const std::string &name, DWORD type, std::vector<std::uint8_t> bytes)
{
    const RegistryStore registry = RegistryStore::forCurrentUser();
    ASSERT_EQ(registry.createKey(kSettingsKey), ERROR_SUCCESS);
    ASSERT_EQ(registry.setValue(kSettingsKey, name, {type, std::move(bytes)}), ERROR_SUCCESS);
}

inline void writeDword(const std::string &name, std::uint32_t value)
{
    std::vector<std::uint8_t> bytes(4);
    std::memcpy(bytes.data(), &value, 4);
    writeValue(name, REG_DWORD, bytes);
}

// The stored value as a REG_DWORD of 4 bytes; fails the test for anything else.
inline std::uint32_t storedDword(const std::string &name)
{
    RegistryValue value;
    EXPECT_EQ(RegistryStore::forCurrentUser().queryValue(kSettingsKey, name, value), ERROR_SUCCESS)
        << name;
    EXPECT_EQ(value.type, REG_DWORD) << name;
    EXPECT_EQ(value.data.size(), 4u) << name;
    std::uint32_t result = 0;
    if (value.data.size() == 4)
        std::memcpy(&result, value.data.data(), 4);
    return result;
}

} // namespace zyfo::test
