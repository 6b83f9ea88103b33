// One entry handler fed any text through its input box, again and again on the same
// window: afterwards the caption is one the entries write, and x0 stays within its bar.
// ZELTA_ENTRY picks the entry: 1 vertices, 2 ratio, 3 k, 4 x0.
#include "shell/intro.h"
#include "tests/support/program.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr int Entry = ZELTA_ENTRY;
const char* const Buttons[] = {"", "cmd_vert", "cmd_ratio", "cmd_k", "cmd_x0"};
const QString Window = Entry <= 2 ? Sierpinski::Name : logistic::Name;

void check(bool ok) {
    if (!ok) std::abort();
}

TestProgram& program() {
    static TestProgram* p = [] {
        auto* made = new TestProgram;
        made->start();
        made->click(intro::Name, Entry <= 2 ? "cmd_sierp" : "cmd_logistic");
        return made;
    }();
    return *p;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    program();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TestProgram& p = program();
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString before = p.window(Window)->caption();
    p.enter(Window, QString::fromLatin1(Buttons[Entry]),
            {text}); // a box that comes back is cancelled
    const QString caption = p.window(Window)->caption();
    if (Entry == 1) // accepted: the text in the caption; refused or cancelled: nothing changes
        check(caption == "Sierpinski Sieve: " + text + " vertices" || caption == before);
    if (Entry == 2) check(caption.endsWith(" ratio = " + text) || caption.endsWith(" ratio = r"));
    if (Entry >= 3) check(caption.startsWith("Logistic Mapping: y = "));
    if (Entry == 4) {
        const double x0 = zr::readNumber(p.text(Window, "lbl_x0").mid(5)).value;
        check(x0 >= 0 && x0 <= 1 && p.control<QScrollBar>(Window, "hsb_x0")->value() <= 10000);
    }
    check(p.scripted.dialogs.unexpected <= 1);
    p.scripted.dialogs.unexpected = 0;
    p.scripted.dialogs.shown.clear(); // the record of boxes would grow over a long run
    return 0;
}
