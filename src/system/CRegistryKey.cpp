// An open key of the current user's registry, kept in the per-user registry file.
#include "CRegistryKey.h"

#include <cstring>

namespace zyfo {

BOOL CRegistryKey::finish(DWORD status)
{
    m_lastError = status;
    return status == ERROR_SUCCESS ? TRUE : FALSE;
}

BOOL CRegistryKey::Open(HKEY, const std::string &subKey)
{
    Close();
    m_store = RegistryStore::forCurrentUser();
    if (!finish(m_store.openKey(subKey)))
        return FALSE;
    m_key = subKey;
    return TRUE;
}

BOOL CRegistryKey::Create(HKEY, const std::string &subKey, const char *)
{
    RegistryStore store = RegistryStore::forCurrentUser();
    if (!finish(store.createKey(subKey)))
        return FALSE;
    m_store = store;
    m_key = subKey;
    return TRUE;
}

BOOL CRegistryKey::Close()
{
    if (!m_key)
        return FALSE;
    m_key.reset();
    return TRUE;
}

BOOL CRegistryKey::QueryValue(const std::string &name, void *buffer, DWORD size)
{
    if (!m_key)
        return FALSE;
    RegistryValue value;
    if (!finish(m_store.queryValue(*m_key, name, value)))
        return FALSE;
    if (value.data.size() > size || (buffer == nullptr && !value.data.empty()))
        return finish(ERROR_MORE_DATA);
    if (!value.data.empty())
        std::memcpy(buffer, value.data.data(), value.data.size());
    return TRUE;
}

BOOL CRegistryKey::ReadDword(const std::string &name, DWORD *value, DWORD *lastError)
{
    if (!m_key)
        return FALSE;
    BOOL result = QueryValue(name, value, sizeof(DWORD));
    if (lastError != nullptr)
        *lastError = m_lastError;
    return result;
}

BOOL CRegistryKey::WriteValue(const std::string &name, const void *data, DWORD type, DWORD size)
{
    if (!m_key)
        return FALSE;
    RegistryValue value;
    value.type = type;
    if (size > 0 && data != nullptr) {
        const auto *bytes = static_cast<const std::uint8_t *>(data);
        value.data.assign(bytes, bytes + size);
    }
    return finish(m_store.setValue(*m_key, name, value));
}

} // namespace zyfo
