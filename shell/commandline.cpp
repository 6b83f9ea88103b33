// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/commandline.h"

#include <algorithm>
#include <iterator>

namespace CommandLine {

namespace {

// Qt's standard options, which QApplication takes out of the arguments: the ones followed by
// a value, and the ones that stand alone. The X11 platform adds -display, -geometry, -title,
// -icon, -name, -visual, -nograb and -dograb.
const char* const qtWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "title",         "icon",   "name",
    "visual"};
const char* const qtAlone[] = {"reverse", "widgetcount", "testability", "nograb", "dograb"};
// Qt also reads these three as -name=value.
const char* const qtJoined[] = {"style=", "stylesheet=", "qmljsdebugger="};

bool listed(const char* const* first, const char* const* last, const std::string& name) {
    return std::find_if(first, last, [&](const char* n) { return name == n; }) != last;
}

// Qt accepts each of its options with one dash or with two.
std::string withoutDashes(const std::string& arg) {
    if (arg.rfind("--", 0) == 0) return arg.substr(2);
    if (arg.rfind('-', 0) == 0) return arg.substr(1);
    return {};
}

bool qtJoinedOption(const std::string& name) {
    return std::any_of(std::begin(qtJoined), std::end(qtJoined),
                       [&](const char* prefix) { return name.rfind(prefix, 0) == 0; });
}

int mistake(std::ostream& err, const std::string& message) {
    err << "zelta: " << message << "\n" << usage();
    return 2;
}

} // namespace

std::string nameAndVersion() {
    return "Zelta " + std::to_string(ZELTA_VERSION_MAJOR) + "." +
           std::to_string(ZELTA_VERSION_MINOR) + "." + std::to_string(ZELTA_VERSION_PATCH);
}

std::string usage() {
    return "Usage: zelta [options]\n"
           "Watch the logistic mapping and Sierpinski's sieve unfold step by step.\n"
           "\n"
           "Options:\n"
           "  -h, --help       Show this list of options and exit.\n"
           "  -v, --version    Show the program's name and version and exit.\n"
           "\n"
           "Qt's standard options work as well, for example -platform NAME, -style NAME,\n"
           "-qwindowgeometry WIDTHxHEIGHT+X+Y and -reverse; see zelta(1).\n";
}

std::optional<int> answer(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            out << usage();
            return 0;
        }
        if (arg == "-v" || arg == "--version") {
            out << nameAndVersion() << "\n";
            return 0;
        }
        const std::string name = withoutDashes(arg);
        if (name.empty()) {
            // The program opens no files, so a word on its own can only be a slip.
            return mistake(err, "unexpected argument '" + arg + "'");
        }
        if (listed(std::begin(qtWithValue), std::end(qtWithValue), name)) {
            if (++i == argc) return mistake(err, "option '" + arg + "' needs a value");
        } else if (!listed(std::begin(qtAlone), std::end(qtAlone), name) && !qtJoinedOption(name)) {
            return mistake(err, "unknown option '" + arg + "'");
        }
    }
    return std::nullopt;
}

} // namespace CommandLine
