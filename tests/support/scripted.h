// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Scripted stand-ins for the services, so that tests and benchmarks drive the windows
// with answers, typed texts, time and random numbers of their own choosing.
#pragma once

#include "runtime/runtime.h"

#include <QStringList>
#include <cmath>
#include <map>
#include <optional>

namespace zr {

class ScriptedDialogs : public Dialogs {
  public:
    // A box that came: its message or prompt, title, style and the text it offered.
    struct Shown {
        QString text, title;
        int style = 0;
        QString defaultText;
    };
    // Answers in the order the boxes come; an input answer of std::nullopt is Cancel. A box
    // without Yes and No gives OK, whatever the answer.
    void answer(int button) { buttons_.push_back(button); }
    void type(std::optional<QString> text) { texts_.push_back(std::move(text)); }
    // Runs while a box is open, as if the user did something then (the box is modal, so
    // normally nothing happens).
    std::function<void()> whileOpen;

    int messageBox(const QString& text, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    // Answered from the typed texts, as an input box is.
    QString saveFileName(const QString& title, const QString& suggestedName) override;

    QList<Shown> shown;
    // Boxes that came with no answer scripted for them (answered No or Cancel).
    int unexpected = 0;

  private:
    QString answerTyped(const Shown& box);
    QList<int> buttons_;
    QList<std::optional<QString>> texts_;
};

// Time that moves only when the program waits. Actions scheduled at a time run when a
// wait for events reaches it, as a user acting at that moment would.
class ScriptedClock : public Clock {
  public:
    double now = 0.0;
    double slept = 0.0; // total time spent blocked without events
    // Runs at each blocking sleep, as if the user looked at the screen then.
    std::function<void()> whileAsleep;
    void at(double time, std::function<void()> action) { actions_.emplace(time, action); }

    double monotonic() override { return now; }
    // Ten in the morning at now = 0.
    float timer() override { return static_cast<float>(std::fmod(36000.0 + now, 86400.0)); }
    void sleep(double seconds) override {
        if (whileAsleep) whileAsleep();
        now += std::max(seconds, 0.0);
        slept += std::max(seconds, 0.0);
    }
    void waitForEvents(double seconds) override;

  private:
    std::multimap<double, std::function<void()>> actions_;
};

struct ScriptedRandom : Random {
    // `queue`: numbers handed out first, in order; after them a fixed sequence follows.
    // `seeds`: what the program seeded with.
    QList<float> queue, seeds;
    std::uint32_t state = 12345u;
    void randomize(float seed) override { seeds.append(seed); }
    float next() override {
        if (!queue.isEmpty()) return queue.takeFirst();
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(state >> 8) / 16777216.0f;
    }
};

struct ScriptedPrinter : Printer {
    QList<QImage> printed;
    void printImage(const QImage& image) override { printed << image; }
};

// Starts only the programs among `files`.
struct ScriptedLauncher : Launcher {
    QStringList files, started, checked; // files there are, programs started, files asked for
    bool start(const QString& program) override {
        started.append(program);
        return files.contains(program);
    }
    bool fileExists(const QString& path) override {
        checked.append(path);
        return files.contains(path);
    }
};

// Values by key path and name ("KEY\\NAME"), set up by the test. A key opens when it holds
// a value; a key's handle is its place in `opened`.
struct ScriptedKeyStore : KeyStore {
    std::map<QByteArray, std::pair<std::uint32_t, QByteArray>> values; // type and data
    QList<QByteArray> opened; // key paths in the order they were opened
    int openKeys = 0;         // keys opened and not closed yet
    long open(std::uint32_t, const QByteArray& path, std::uint32_t, std::uintptr_t* key) override {
        opened.append(path);
        *key = opened.size();
        const auto under = values.lower_bound(path + '\\'); // a key holds at least one value
        const bool held = under != values.end() && under->first.startsWith(path + '\\');
        return held ? (++openKeys, ERROR_SUCCESS) : ERROR_FILE_NOT_FOUND;
    }
    long query(std::uintptr_t key, const QByteArray& name, std::uint32_t* type, char* buffer,
               std::uint32_t* size) override;
    long close(std::uintptr_t) override { return --openKeys, ERROR_SUCCESS; }
};

struct ScriptedEnder : Ender {
    void endProgram() override { ++ended; }
    int ended = 0;
};

// All of the above, wired into a Services set.
struct ScriptedServices {
    ScriptedDialogs dialogs;
    ScriptedClock clock;
    ScriptedRandom random;
    ScriptedPrinter printer;
    ScriptedLauncher launcher;
    ScriptedKeyStore store;
    ScriptedEnder ender;
    Services services() { return {&dialogs, &clock, &random, &printer, &launcher, &store, &ender}; }
};

} // namespace zr
