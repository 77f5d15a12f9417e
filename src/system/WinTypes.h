// Windows-style scalar types, colour values and the registry's status codes and value types,
// shared by the system services and the windows above them.
#pragma once

#include <cstdint>

// Some system headers define TRUE, FALSE and RGB as macros. They are set aside while the names
// are declared here and restored after, so that neither side's declarations break the other's.
#pragma push_macro("TRUE")
#pragma push_macro("FALSE")
#pragma push_macro("RGB")
#undef TRUE
#undef FALSE
#undef RGB

namespace zyfo {

using BOOL = int;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using COLORREF = std::uint32_t; // 0x00BBGGRR
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT_PTR = std::uintptr_t;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

constexpr COLORREF RGB(int r, int g, int b)
{
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c)
{
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

// Registry: status codes (the last-error values CRegistryKey records) and value types.
inline constexpr DWORD ERROR_SUCCESS = 0;
inline constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
inline constexpr DWORD ERROR_ACCESS_DENIED = 5;
inline constexpr DWORD ERROR_MORE_DATA = 234;
inline constexpr DWORD ERROR_KEY_DELETED = 1018;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;

} // namespace zyfo

#pragma pop_macro("RGB")
#pragma pop_macro("FALSE")
#pragma pop_macro("TRUE")
