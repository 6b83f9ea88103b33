// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The outside world as the windows see it: dialogs, time, chance, the printer, the
// registry-like store and the process launcher. The program uses the Qt-backed
// implementations (qtservices.h); tests and benchmarks script them (scripted.h).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

namespace zr {

// Message box answers and styles.
enum MsgAnswer { IDOK = 1, IDYES = 6, IDNO = 7 };
enum MsgStyle { MB_OK = 0, MB_YESNO = 4, MB_QUESTION = 32, MB_EXCLAMATION = 48 };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Modal message box. `style` is the sum of a MsgStyle button set and an optional icon;
    // returns IDOK, IDYES or IDNO. `title` is never empty here (the runtime fills in the
    // application title).
    virtual int messageBox(const QString& text, int style, const QString& title) = 0;
    // Modal input box; the typed text, or an empty text on Cancel.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;
    // Modal dialog asking where to save a PNG picture, offering `suggestedName` (a file name
    // without a folder); the chosen path, or an empty text on Cancel.
    virtual QString saveFileName(const QString& title, const QString& suggestedName) = 0;
};

// Time, and the only two ways a long handler may wait.
class Clock {
  public:
    virtual ~Clock() = default;
    // Seconds since some fixed moment; never goes back, keeps counting across midnight.
    virtual double monotonic() = 0;
    // Seconds since midnight, as the timer shows them (single precision); for seeding.
    virtual float timer() = 0;
    // Blocks for `seconds` without handling any event (the window does not answer).
    virtual void sleep(double seconds) = 0;
    // Handles pending events, waiting up to `seconds` for one to arrive when none is
    // pending. Never spins the processor.
    virtual void waitForEvents(double seconds) = 0;
};

class Random {
  public:
    virtual ~Random() = default;
    // A run begins: its numbers are to differ from every other run's. `seed` is the timer.
    virtual void randomize(float seed) = 0;
    // The next number, uniform on [0, 1).
    virtual float next() = 0;
};

class Printer {
  public:
    virtual ~Printer() = default;
    // Prints a window's client area as it looks, on the default printer.
    virtual void printImage(const QImage& image) = 0;
};

// Starting a program file and looking for files (the About dialog's launcher).
class Launcher {
  public:
    virtual ~Launcher() = default;
    // Starts `program` as a separate process in a normal focused window, without a shell
    // and without waiting. False when it cannot be started.
    virtual bool start(const QString& program) = 0;
    // Does a normal file of this name exist?
    virtual bool fileExists(const QString& path) = 0;
};

// A registry-like store of keys and typed values, read the way the platform's registry
// is: open a key, query a value into a caller's buffer, close the key. Result codes are
// the platform's: 0 for success.
class KeyStore {
  public:
    virtual ~KeyStore() = default;
    static constexpr std::uint32_t HKEY_LOCAL_MACHINE = 0x80000002u;
    static constexpr long ERROR_SUCCESS = 0;
    static constexpr long ERROR_FILE_NOT_FOUND = 2;
    static constexpr long ERROR_MORE_DATA = 234;
    enum ValueType : std::uint32_t { REG_SZ = 1, REG_DWORD = 4 };

    virtual long open(std::uint32_t root, const QByteArray& path, std::uint32_t access,
                      std::uintptr_t* key) = 0;
    // Writes the value's type, copies its bytes into `buffer` and sets `size` (in: the
    // buffer's size; out: the data's size). Data larger than the buffer fails with
    // ERROR_MORE_DATA.
    virtual long query(std::uintptr_t key, const QByteArray& name, std::uint32_t* type,
                       char* buffer, std::uint32_t* size) = 0;
    virtual long close(std::uintptr_t key) = 0;
};

// Ends the whole program at once, with no further event handled.
class Ender {
  public:
    virtual ~Ender() = default;
    virtual void endProgram() = 0;
};

} // namespace zr
