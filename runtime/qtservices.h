// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The services as the program uses them: real dialogs, the system clock, the default
// printer, the desktop's processes.
#pragma once

#include "runtime/services.h"

#include <memory>
#include <random>

namespace zr {

class QtDialogs : public Dialogs {
  public:
    int messageBox(const QString& text, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString saveFileName(const QString& title, const QString& suggestedName) override;

  private:
    // The folder of the last picture saved, offered again while the program runs.
    QString saveFolder_;
};

class QtClock : public Clock {
  public:
    double monotonic() override;
    float timer() override;
    void sleep(double seconds) override;
    void waitForEvents(double seconds) override;
};

class QtRandom : public Random {
  public:
    QtRandom();
    // Seeded once from the system's entropy, the sequence never repeats a run: a seed from
    // the timer could only make two runs alike.
    void randomize(float) override {}
    float next() override;

  private:
    std::mt19937 engine_;
};

class QtPrinter : public Printer {
  public:
    void printImage(const QImage& image) override;
};

class QtLauncher : public Launcher {
  public:
    bool start(const QString& program) override;
    bool fileExists(const QString& path) override;
};

class QtEnder : public Ender {
  public:
    void endProgram() override;
};

} // namespace zr
