// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/desktopkeystore.h"

#include <QFile>
#include <QStandardPaths>
#include <cstring>

namespace zr {

namespace {
const QByteArray ToolKey = QByteArrayLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QByteArray ToolValue = QByteArrayLiteral("PATH");

// Key and value names compare as the registry compares them: ignoring case.
bool sameName(const QByteArray& a, const QByteArray& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

DesktopKeyStore::DesktopKeyStore(Finder find) : find_(std::move(find)) {
    if (!find_)
        find_ = [](const QString& program) { return QStandardPaths::findExecutable(program); };
}

const QStringList& DesktopKeyStore::knownTools() {
    static const QStringList tools{
        QStringLiteral("hardinfo2"),
        QStringLiteral("hardinfo"),
        QStringLiteral("kinfocenter"),
        QStringLiteral("cpu-x"),
        QStringLiteral("gnome-system-monitor"),
        QStringLiteral("mate-system-monitor"),
        QStringLiteral("plasma-systemmonitor"),
        QStringLiteral("ksysguard"),
        QStringLiteral("xfce4-taskmanager"),
        QStringLiteral("lxtask"),
    };
    return tools;
}

QString DesktopKeyStore::findTool() const {
    for (const QString& tool : knownTools()) {
        const QString found = find_(tool);
        if (!found.isEmpty()) return found;
    }
    return QString();
}

long DesktopKeyStore::open(std::uint32_t root, const QByteArray& path, std::uint32_t,
                           std::uintptr_t* key) {
    if (!key) return ERROR_INVALID_HANDLE;
    if (root != HKEY_LOCAL_MACHINE || !sameName(path, ToolKey)) return ERROR_FILE_NOT_FOUND;
    // Looked up now rather than at start-up: a tool installed meanwhile is found, one
    // removed is not offered. With none installed the key is not there at all.
    const QString tool = findTool();
    if (tool.isEmpty()) return ERROR_FILE_NOT_FOUND;
    *key = next_++;
    open_[*key] = QFile::encodeName(tool) + '\0';
    return ERROR_SUCCESS;
}

long DesktopKeyStore::query(std::uintptr_t key, const QByteArray& name, std::uint32_t* type,
                            char* buffer, std::uint32_t* size) {
    const auto entry = open_.find(key);
    if (entry == open_.end() || !size) return ERROR_INVALID_HANDLE;
    if (!sameName(name, ToolValue)) return ERROR_FILE_NOT_FOUND;
    if (type) *type = REG_SZ;
    const QByteArray& data = entry->second;
    const auto length = static_cast<std::uint32_t>(data.size());
    // Without a buffer the caller only asks how large the value is.
    if (!buffer) {
        *size = length;
        return ERROR_SUCCESS;
    }
    if (length > *size) {
        *size = length;
        return ERROR_MORE_DATA;
    }
    std::memcpy(buffer, data.constData(), length);
    *size = length;
    return ERROR_SUCCESS;
}

long DesktopKeyStore::close(std::uintptr_t key) {
    return open_.erase(key) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

} // namespace zr
