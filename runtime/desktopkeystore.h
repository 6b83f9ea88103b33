// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The key store on a desktop that has no registry: it holds the one key the About
// dialog looks up, with a "PATH" value naming the desktop's system-information program
// as it is installed at the moment of the lookup. Read only; no GUI.
#pragma once

#include "runtime/services.h"

#include <QStringList>
#include <functional>
#include <map>

namespace zr {

class DesktopKeyStore : public KeyStore {
  public:
    // Gives the full file name of an installed program, or an empty text when there is
    // none of that name.
    using Finder = std::function<QString(const QString& program)>;

    // Without a finder, programs are looked for on the executable search path.
    explicit DesktopKeyStore(Finder find = {});

    // The programs that show what the machine is made of, best first: the dedicated
    // information tools, then the desktops' own system monitors.
    static const QStringList& knownTools();
    // The first known tool that is installed, or an empty text.
    QString findTool() const;

    long open(std::uint32_t root, const QByteArray& path, std::uint32_t access,
              std::uintptr_t* key) override;
    long query(std::uintptr_t key, const QByteArray& name, std::uint32_t* type, char* buffer,
               std::uint32_t* size) override;
    long close(std::uintptr_t key) override;

    static constexpr long ERROR_INVALID_HANDLE = 6;

  private:
    Finder find_;
    // Open keys and the value each one holds, as stored: the file name in the file
    // system's encoding with its terminating zero byte.
    std::map<std::uintptr_t, QByteArray> open_;
    std::uintptr_t next_ = 1;
};

} // namespace zr
