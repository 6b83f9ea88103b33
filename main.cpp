// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Zelta: the logistic mapping and Sierpinski's sieve, step by step.
#include "logistic/logistic.h"
#include "runtime/desktopkeystore.h"
#include "runtime/qtservices.h"
#include "runtime/runtime.h"
#include "shell/commandline.h"
#include "shell/module1.h"
#include "sieve/sierpinski.h"
#ifdef _WIN32
#include "runtime/winkeystore.h"
#endif

#include <QApplication>
#include <iostream>

int main(int argc, char* argv[]) {
    // Answered before QApplication, which needs a display.
    if (const auto status = CommandLine::answer(argc, argv, std::cout, std::cerr)) return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelta"));
    // The program ends when none of its windows is loaded, hidden ones included.
    QApplication::setQuitOnLastWindowClosed(false);

    zr::QtDialogs dialogs;
    zr::QtClock clock;
    zr::QtRandom random;
    zr::QtPrinter printer;
    zr::QtLauncher launcher;
#ifdef _WIN32
    zr::WinKeyStore store;
#else
    // No registry here: the store offers the desktop's own system-information program.
    zr::DesktopKeyStore store;
#endif
    zr::QtEnder ender;
    zr::Runtime rt({&dialogs, &clock, &random, &printer, &launcher, &store, &ender});
    Module1::registerShellWindows(rt);
    logistic::registerWindow(rt);
    Sierpinski::registerWindow(rt);
    QObject::connect(&rt, &zr::Runtime::allUnloaded, &app, &QCoreApplication::quit);

    Module1::Main(rt);
    return rt.anyLoaded() ? app.exec() : 0;
}
