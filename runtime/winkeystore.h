// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The key store on Windows: the system registry itself, through advapi32.
#pragma once

#include "runtime/services.h"

namespace zr {

class WinKeyStore : public KeyStore {
  public:
    long open(std::uint32_t root, const QByteArray& path, std::uint32_t access,
              std::uintptr_t* key) override;
    long query(std::uintptr_t key, const QByteArray& name, std::uint32_t* type, char* buffer,
               std::uint32_t* size) override;
    long close(std::uintptr_t key) override;
};

} // namespace zr
