#include "tests/support/scripted.h"

#include <QCoreApplication>
#include <cmath>
#include <cstring>

namespace zr {

int ScriptedDialogs::messageBox(const QString& text, int style, const QString& title) {
    shown.append({QStringLiteral("message"), text, title, style, QString()});
    if (whileOpen) whileOpen();
    if (buttons_.empty()) {
        ++unexpected;
        return (style & 7) == MB_YESNO ? IDNO : IDOK;
    }
    const int button = buttons_.front();
    buttons_.pop_front();
    return button;
}

QString ScriptedDialogs::saveFileName(const QString& title, const QString& suggestedName) {
    return answerTyped({QStringLiteral("save"), QString(), title, 0, suggestedName});
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText) {
    return answerTyped({QStringLiteral("input"), prompt, title, 0, defaultText});
}

QString ScriptedDialogs::answerTyped(const Shown& box) {
    shown.append(box);
    if (whileOpen) whileOpen();
    if (texts_.empty()) {
        ++unexpected;
        return QString();
    }
    const std::optional<QString> text = texts_.front();
    texts_.pop_front();
    return text.value_or(QString());
}

float ScriptedClock::timer() {
    return static_cast<float>(std::fmod(midnightOffset + now, 86400.0));
}

void ScriptedClock::sleep(double seconds) {
    if (whileAsleep) whileAsleep();
    if (seconds > 0) {
        now += seconds;
        slept += seconds;
    }
}

void ScriptedClock::waitForEvents(double seconds) {
    ++eventWaits;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Time moves on by the wait, or at least by a millisecond, so that every wait ends.
    const double until = now + std::max(seconds, 0.001);
    if (!actions_.empty() && actions_.begin()->first <= until) {
        auto first = actions_.begin();
        now = std::max(now, first->first);
        auto action = std::move(first->second);
        actions_.erase(first);
        action();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    now = until;
}

float ScriptedRandom::next() {
    if (!queue.empty()) {
        const float r = queue.front();
        queue.pop_front();
        return r;
    }
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<float>(state_ >> 8) / 16777216.0f;
}

long ScriptedKeyStore::open(std::uint32_t root, const QByteArray& path, std::uint32_t,
                            std::uintptr_t* key) {
    opened.append(path);
    if (root != HKEY_LOCAL_MACHINE || keys_.count(path.toLower()) == 0) return ERROR_FILE_NOT_FOUND;
    *key = next_++;
    handles_[*key] = path.toLower();
    ++openKeys;
    return ERROR_SUCCESS;
}

long ScriptedKeyStore::query(std::uintptr_t key, const QByteArray& name, std::uint32_t* type,
                             char* buffer, std::uint32_t* size) {
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) return ERROR_FILE_NOT_FOUND;
    const auto& values = keys_[handle->second];
    const auto value = values.find(name.toLower());
    if (value == values.end()) return ERROR_FILE_NOT_FOUND;
    *type = value->second.type;
    const auto length = static_cast<std::uint32_t>(value->second.data.size());
    if (length > *size) {
        *size = length;
        return ERROR_MORE_DATA;
    }
    std::memcpy(buffer, value->second.data.constData(), length);
    *size = length;
    return ERROR_SUCCESS;
}

long ScriptedKeyStore::close(std::uintptr_t key) {
    if (handles_.erase(key) == 0) return ERROR_FILE_NOT_FOUND;
    --openKeys;
    return ERROR_SUCCESS;
}

} // namespace zr
