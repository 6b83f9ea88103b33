// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/zelta.h"

#include "shell/frmsplash.h"
#include "shell/intro.h"
#include "shell/module1.h"

Zelta::Zelta(zr::Runtime& rt) : zr::MdiForm(rt, Name) {
    setCaption(QStringLiteral("Zelta"));
    setGeometry(zr::twRect({165, 450, 11880, 7590}));
}

void Zelta::MDIForm_Load() {
    Show();
    setTopTw(0);
    setLeftTw(400);
    setHeightTw(8800);
    setWidthTw(11180);

    rt().show(frmSplash::Name);
    if (zr::Form* splash = rt().loadedForm(frmSplash::Name)) splash->Refresh();
    Module1::delay(rt(), 4);
    rt().unload(frmSplash::Name);
    // Closed during the wait, the program is over: the windows below are not loaded. Hiding
    // a window loads it first: the programs are ready, out of sight, behind the chooser.
    rt().show(intro::Name);
    rt().hide(QStringLiteral("logistic"));
    rt().hide(QStringLiteral("Sierpinski"));
}
