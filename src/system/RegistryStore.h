// The per-user registry file: keys and typed values in a text file that a person can read,
// replaced atomically on every change.
#pragma once

#include "WinTypes.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace zyfo {

struct RegistryValue
{
    DWORD type = 0;
    std::vector<std::uint8_t> data;

    bool operator==(const RegistryValue &) const = default;
};

// The file holds keys of HKEY_CURRENT_USER as sections in the registry editor's export format:
//   [HKEY_CURRENT_USER\SOFTWARE\VENTRO\ZYFO_1.0]
//   "LINIA"=dword:00000002
//   "NAME"=hex(1):41,00
// A 4-byte REG_DWORD is written as dword:, a REG_SZ holding one text with its terminating zero
// as a quoted string, anything else as hex(type): with its exact bytes, so type and size are
// kept. Key and value names compare without regard to ASCII case. Every change locks the file
// against other writers, reads it afresh, and replaces it with a complete new copy (temporary
// file, flushed, then renamed over it), so a crash at any point leaves the old or the new file.
// Lines that cannot be read are skipped.
class RegistryStore
{
public:
    explicit RegistryStore(std::filesystem::path file);

    // $XDG_CONFIG_HOME/VENTRO/registry.reg, $XDG_CONFIG_HOME defaulting to ~/.config.
    static RegistryStore forCurrentUser();

    const std::filesystem::path &file() const { return m_file; }

    // Each returns ERROR_SUCCESS or the status: ERROR_FILE_NOT_FOUND (no such key or value),
    // ERROR_KEY_DELETED (the key vanished), ERROR_ACCESS_DENIED (the file could not be
    // written or locked).
    DWORD openKey(const std::string &key) const;
    // Opens the key, creating it and any missing parents.
    DWORD createKey(const std::string &key) const;
    DWORD queryValue(const std::string &key, const std::string &name, RegistryValue &value) const;
    DWORD setValue(const std::string &key, const std::string &name,
                   const RegistryValue &value) const;

private:
    // Case-insensitive ordering of names.
    struct NameLess
    {
        bool operator()(const std::string &a, const std::string &b) const;
    };
    struct Key
    {
        std::string name;
        std::map<std::string, std::pair<std::string, RegistryValue>, NameLess> values;
    };
    using Keys = std::map<std::string, Key, NameLess>;

    Keys load() const;
    bool save(const Keys &keys) const;
    static std::string canonical(const std::string &key);
    static void parseLine(const std::string &line, Keys &keys, Key *&current);
    static std::string format(const Keys &keys);

    std::filesystem::path m_file;
};

} // namespace zyfo
