// Scripted stand-ins for the services, so that tests and benchmarks drive the windows
// with answers, typed texts, time and random numbers of their own choosing.
#pragma once

#include "runtime/runtime.h"
#include "runtime/services.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <optional>

namespace zr {

class ScriptedDialogs : public Dialogs {
  public:
    struct Shown {
        QString kind; // "message", "input" or "save"
        QString text; // the message or the prompt
        QString title;
        int style = 0;
        QString defaultText;
    };
    // Answers in the order the boxes come; an input answer of std::nullopt is Cancel.
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
    std::deque<int> buttons_;
    std::deque<std::optional<QString>> texts_;
};

// Time that moves only when the program waits. Actions scheduled at a time run when a
// wait for events reaches it, as a user acting at that moment would.
class ScriptedClock : public Clock {
  public:
    double now = 0.0;
    // Seconds since midnight at now = 0.
    double midnightOffset = 36000.0;
    void at(double time, std::function<void()> action) {
        actions_.emplace(time, std::move(action));
    }

    double monotonic() override { return now; }
    float timer() override;
    void sleep(double seconds) override;
    void waitForEvents(double seconds) override;

    // Runs at each blocking sleep, as if the user looked at the screen then.
    std::function<void()> whileAsleep;

    double slept = 0.0; // total time spent blocked without events
    int eventWaits = 0; // waits that handled events

  private:
    std::multimap<double, std::function<void()>> actions_;
};

class ScriptedRandom : public Random {
  public:
    // Numbers handed out first, in order; after them a fixed sequence follows.
    std::deque<float> queue;
    QList<float> seeds;
    void randomize(float seed) override { seeds.append(seed); }
    float next() override;

  private:
    std::uint32_t state_ = 12345u;
};

class ScriptedPrinter : public Printer {
  public:
    void printImage(const QImage& image) override { printed.append(image); }
    QList<QImage> printed;
};

class ScriptedLauncher : public Launcher {
  public:
    bool start(const QString& program) override {
        started.append(program);
        return startSucceeds;
    }
    bool fileExists(const QString& path) override {
        checked.append(path);
        return files.contains(path);
    }
    QStringList files;
    QStringList started;
    QStringList checked;
    bool startSucceeds = true;
};

// A store of keys and values set up by the test.
class ScriptedKeyStore : public KeyStore {
  public:
    struct Entry {
        std::uint32_t type;
        QByteArray data;
    };
    void set(const QByteArray& path, const QByteArray& name, std::uint32_t type,
             const QByteArray& data) {
        keys_[path.toLower()][name.toLower()] = Entry{type, data};
    }
    void addKey(const QByteArray& path) { keys_[path.toLower()]; }

    long open(std::uint32_t root, const QByteArray& path, std::uint32_t access,
              std::uintptr_t* key) override;
    long query(std::uintptr_t key, const QByteArray& name, std::uint32_t* type, char* buffer,
               std::uint32_t* size) override;
    long close(std::uintptr_t key) override;

    QList<QByteArray> opened; // key paths in the order they were opened
    int openKeys = 0;         // keys opened and not closed yet

  private:
    std::map<QByteArray, std::map<QByteArray, Entry>> keys_;
    std::map<std::uintptr_t, QByteArray> handles_;
    std::uintptr_t next_ = 1;
};

class ScriptedEnder : public Ender {
  public:
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
    Services services() {
        return Services{&dialogs, &clock, &random, &printer, &launcher, &store, &ender};
    }
};

} // namespace zr
