// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/module1.h"

#include "shell/frmabout.h"
#include "shell/frmsplash.h"
#include "shell/intro.h"
#include "shell/zelta.h"

#include "runtime/runtime.h"

namespace Module1 {

void registerShellWindows(zr::Runtime& rt) {
    rt.setFrameName(Zelta::Name);
    rt.registerForm(Zelta::Name, [](zr::Runtime& r) { return new Zelta(r); });
    rt.registerForm(frmSplash::Name, [](zr::Runtime& r) { return new frmSplash(r); });
    rt.registerForm(intro::Name, [](zr::Runtime& r) { return new intro(r); });
    rt.registerForm(frmAbout::Name, [](zr::Runtime& r) { return new frmAbout(r); });
}

void Main(zr::Runtime& rt) {
    rt.show(Zelta::Name);
}

void delay(zr::Runtime& rt, double seconds) {
    // A monotonic clock: the wait ends on time also when it spans midnight.
    const double start = rt.clock().monotonic();
    for (;;) {
        const double now = rt.clock().monotonic();
        if (now > start + seconds) return;
        rt.idle(start + seconds - now);
    }
}

} // namespace Module1
