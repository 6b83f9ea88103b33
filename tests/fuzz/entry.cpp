// One entry handler fed any text through its input box, again and again on the same
// window: afterwards the caption is one of the forms the entries write, with the text as
// typed or its placeholder, and x0 stays within its bar. ZELTA_ENTRY picks the entry:
// 1 vertices, 2 ratio, 3 k, 4 x0.
#include "logistic/logistic.h"
#include "shell/intro.h"
#include "sieve/sierpinski.h"
#include "tests/support/program.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int Entry = ZELTA_ENTRY;
const char* const Buttons[] = {"", "cmd_vert", "cmd_ratio", "cmd_k", "cmd_x0"};

void check(bool ok) {
    if (!ok) std::abort();
}

TestProgram* program() {
    static TestProgram* p = [] {
        auto* made = new TestProgram;
        made->start();
        made->click(intro::Name, Entry <= 2 ? "cmd_sierp" : "cmd_logistic");
        return made;
    }();
    return p;
}

void checkAfter(TestProgram& p, const QString& text, const QString& before) {
    const QString window = Entry <= 2 ? Sierpinski::Name : logistic::Name;
    const QString caption = p.window(window)->caption();
    const auto endsWithEntry = [&](const QString& placeholder) {
        return caption.endsWith(text) || caption.endsWith(placeholder);
    };
    switch (Entry) {
    case 1: // accepted: the text in the caption; refused or cancelled: nothing changes
        check(caption == "Sierpinski Sieve: " + text + " vertices" || caption == before);
        break;
    case 2:
        check(caption.startsWith("Sierpinski Sieve: ") && endsWithEntry(" ratio = r"));
        break;
    case 3:
        check(caption.startsWith("Logistic Mapping: y = ") &&
              (caption.contains(text + "x(1 - x)") ||
               caption.startsWith("Logistic Mapping: y = kx")));
        break;
    default: {
        const int bar = p.control<QScrollBar>(window, "hsb_x0")->value();
        check(bar >= 0 && bar <= 10000);
        const QString x0 = p.control<QLabel>(window, "lbl_x0")->text();
        check(x0.startsWith("x0 = ") && zr::readNumber(x0.mid(5)).value >= 0 &&
              zr::readNumber(x0.mid(5)).value <= 1);
        check(caption.startsWith("Logistic Mapping: y = ") && caption.contains("x0 = "));
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static auto* app = new QApplication(*argc, *argv);
    (void)app;
    program();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TestProgram& p = *program();
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString window = Entry <= 2 ? Sierpinski::Name : logistic::Name;
    const QString before = p.window(window)->caption();
    p.enter(window, QString::fromLatin1(Buttons[Entry]),
            {text}); // a box that comes back is cancelled
    checkAfter(p, text, before);
    p.scripted.dialogs.shown.clear(); // the record of boxes would grow over a long run
    check(p.scripted.dialogs.unexpected <= 1);
    p.scripted.dialogs.unexpected = 0;
    return 0;
}
