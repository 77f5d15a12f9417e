// An open key of the current user's registry, kept in the per-user registry file.
#pragma once

#include "RegistryStore.h"
#include "WinTypes.h"

#include <optional>
#include <string>

namespace zyfo {

// The registry roots the program uses: only the current user's.
enum class HKEY
{
    CurrentUser
};
inline constexpr HKEY HKEY_CURRENT_USER = HKEY::CurrentUser;

// Operations return TRUE on success and FALSE on failure. The last error is the status of the
// latest open, create, query or write: ERROR_SUCCESS, ERROR_FILE_NOT_FOUND (no such key or
// value), ERROR_MORE_DATA (the buffer is too small), ERROR_KEY_DELETED (the key was deleted
// while open), ERROR_ACCESS_DENIED (the file could not be written). Values are read and
// written afresh in the file on each call, so changes by other programs are seen.
class CRegistryKey
{
public:
    CRegistryKey() = default;
    ~CRegistryKey() { Close(); }
    CRegistryKey(const CRegistryKey &) = delete;
    CRegistryKey &operator=(const CRegistryKey &) = delete;

    // Opens an existing key (a key is never created by opening). Closes a key held before.
    BOOL Open(HKEY root, const std::string &subKey);
    // Opens the key, creating it and its missing parents. `className` is not used.
    BOOL Create(HKEY root, const std::string &subKey, const char *className = nullptr);
    // FALSE when no key is held.
    BOOL Close();

    // Copies the value's bytes (whatever its type) into `buffer`; the bytes of the buffer past
    // a shorter value are left as they were. FALSE when no key is held, the value is missing
    // or longer than `size`.
    BOOL QueryValue(const std::string &name, void *buffer, DWORD size);
    // QueryValue into a 4-byte buffer; `lastError`, when given, receives the last error.
    BOOL ReadDword(const std::string &name, DWORD *value, DWORD *lastError = nullptr);
    // Stores `size` bytes of `data` as a value of registry type `type`.
    BOOL WriteValue(const std::string &name, const void *data, DWORD type, DWORD size);

    DWORD GetLastError() const { return m_lastError; }

private:
    BOOL finish(DWORD status);

    std::optional<std::string> m_key;
    RegistryStore m_store = RegistryStore::forCurrentUser();
    DWORD m_lastError = ERROR_SUCCESS;
};

} // namespace zyfo
