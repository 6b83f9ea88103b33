// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line, read before anything needs a display: --help, --version and mistakes
// are answered here; Qt's own options (-platform, -style, ...) are left to the application.
#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace CommandLine {

// "Zelta 1.1.0"
std::string nameAndVersion();

// The usage line and the list of options, as --help shows them.
std::string usage();

// Writes the answer to --help or --version to `out`, or a one-line error and the usage to
// `err`, and returns the exit status then (0, or 2 for a mistake); returns nothing when the
// arguments leave the program to start.
std::optional<int> answer(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

} // namespace CommandLine
