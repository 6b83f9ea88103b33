// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's entry routine and the start-up wait.
#pragma once

namespace zr {
class Runtime;
}

namespace Module1 {

// Registers the shell's windows: the frame, the splash, the chooser and the About box.
void registerShellWindows(zr::Runtime& rt);

// Shows the frame; its load handler runs the whole start-up sequence.
void Main(zr::Runtime& rt);

// Waits `seconds`, handling the user's events all the while (the splash can be closed
// during the wait), and sleeping between them instead of spinning.
void delay(zr::Runtime& rt, double seconds);

} // namespace Module1
