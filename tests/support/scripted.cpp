// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/scripted.h"

#include <QCoreApplication>
#include <cstring>

namespace zr {

int ScriptedDialogs::messageBox(const QString& text, int style, const QString& title) {
    shown.append({text, title, style, QString()});
    if (whileOpen) whileOpen();
    unexpected += buttons_.isEmpty();
    const int button = buttons_.isEmpty() ? IDNO : buttons_.takeFirst();
    return (style & 7) == MB_YESNO ? button : IDOK; // what the box's buttons offer
}

QString ScriptedDialogs::saveFileName(const QString& title, const QString& suggestedName) {
    return answerTyped({QString(), title, 0, suggestedName});
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText) {
    return answerTyped({prompt, title, 0, defaultText});
}

QString ScriptedDialogs::answerTyped(const Shown& box) {
    shown.append(box);
    if (whileOpen) whileOpen();
    unexpected += texts_.isEmpty();
    return texts_.isEmpty() ? QString() : texts_.takeFirst().value_or(QString());
}

void ScriptedClock::waitForEvents(double seconds) {
    QCoreApplication::processEvents();
    // Time moves on to the first action due within the wait, or by the whole wait (at
    // least a millisecond, so that every wait ends).
    const double until = now + std::max(seconds, 0.001);
    if (actions_.empty() || actions_.begin()->first > until) {
        now = until;
    } else {
        now = std::max(now, actions_.begin()->first);
        actions_.extract(actions_.begin()).mapped()();
        QCoreApplication::processEvents();
    }
}

long ScriptedKeyStore::query(std::uintptr_t key, const QByteArray& name, std::uint32_t* type,
                             char* buffer, std::uint32_t* size) {
    const auto value = values.find(opened.value(key - 1) + '\\' + name);
    if (value == values.end()) return ERROR_FILE_NOT_FOUND;
    const auto& [kind, data] = value->second;
    const auto length = static_cast<std::uint32_t>(data.size());
    const bool fits = length <= *size;
    if (fits) std::memcpy(buffer, data.constData(), length);
    *type = kind;
    *size = length;
    return fits ? ERROR_SUCCESS : ERROR_MORE_DATA;
}

} // namespace zr
