// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/winkeystore.h"

// After services.h: windows.h defines the registry's names (HKEY_LOCAL_MACHINE, REG_SZ,
// ERROR_SUCCESS...) as macros, so below this line only the Win32 spellings are used.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace zr {

namespace {
// A predefined root is a 32-bit value that the system sign-extends to a handle.
HKEY rootHandle(std::uint32_t root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}
} // namespace

long WinKeyStore::open(std::uint32_t root, const QByteArray& path, std::uint32_t access,
                       std::uintptr_t* key) {
    HKEY handle = nullptr;
    LONG rc = RegOpenKeyExA(rootHandle(root), path.constData(), 0, access, &handle);
    // The lookups ask for write access as well, which a standard user is refused under
    // HKEY_LOCAL_MACHINE; reading the value needs only the right to query it.
    if (rc == ERROR_ACCESS_DENIED)
        rc = RegOpenKeyExA(rootHandle(root), path.constData(), 0, KEY_QUERY_VALUE, &handle);
    if (rc == ERROR_SUCCESS) *key = reinterpret_cast<std::uintptr_t>(handle);
    return rc;
}

long WinKeyStore::query(std::uintptr_t key, const QByteArray& name, std::uint32_t* type,
                        char* buffer, std::uint32_t* size) {
    DWORD valueType = 0;
    DWORD valueSize = *size;
    const LONG rc = RegQueryValueExA(reinterpret_cast<HKEY>(key), name.constData(), nullptr,
                                     &valueType, reinterpret_cast<LPBYTE>(buffer), &valueSize);
    *type = valueType;
    *size = valueSize;
    return rc;
}

long WinKeyStore::close(std::uintptr_t key) {
    return RegCloseKey(reinterpret_cast<HKEY>(key));
}

} // namespace zr
