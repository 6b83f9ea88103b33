// One entry handler fed any text through its input box, again and again on the same
// window: afterwards the window's numbers stay in their ranges and its caption in one of
// the forms the entries write. ZELTA_ENTRY picks the entry: 1 vertices, 2 ratio, 3 k, 4 x0.
#include "shell/intro.h"
#include "tests/support/program.h"

#include <QApplication>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

using namespace zr;

namespace {

constexpr int Entry = ZELTA_ENTRY;

void check(bool ok) {
    if (!ok) std::abort();
}

TestProgram* program() {
    static TestProgram* p = [] {
        auto* made = new TestProgram;
        made->start();
        auto* chooser = made->window<intro>(intro::Name);
        (Entry <= 2 ? chooser->cmd_sierp : chooser->cmd_logistic)->click();
        return made;
    }();
    return p;
}

void sieveEntry(TestProgram& p, const QString& text) {
    auto* w = p.window<Sierpinski>(Sierpinski::Name);
    const QString captionBefore = w->caption();
    const double vertBefore = w->vert.toDouble();
    const float ratioBefore = w->ratio;
    p.scripted.dialogs.type(text); // a box that comes back is cancelled
    (Entry == 1 ? w->cmd_vert : w->cmd_ratio)->click();

    const double n = w->vert.toDouble();
    check(n >= 3 && n == std::floor(n) && n <= Sierpinski::MaxVertices);
    check(w->ratio > 0.0f && w->ratio < 1.0f);
    const QString capt = w->capt.toText(), capt1 = w->capt1.toText();
    if (Entry == 1) {
        check(w->ratio == ratioBefore);
        if (capt == QLatin1String("v")) {
            check(n == vertBefore && w->caption() == captionBefore);
        } else {
            check(readNumber(capt).value == n && capt == text);
            check(w->caption() == "Sierpinski Sieve: " + capt + " vertices");
        }
    } else {
        check(n == vertBefore);
        if (capt1 == QLatin1String("r"))
            check(w->ratio == ratioBefore);
        else
            check(static_cast<float>(readNumber(capt1).value) == w->ratio && capt1 == text);
        check(w->caption() == "Sierpinski Sieve: " + capt + " vertices:  ratio = " + capt1);
    }
}

QString fourDecimals(double v, Precision precision) {
    return formatNumber(v, QStringLiteral("0.0###"), precision);
}

void logisticEntry(TestProgram& p, const QString& text) {
    auto* w = p.window<logistic>(logistic::Name);
    const Value kBefore = w->k;
    const float x0Before = w->x0;
    p.scripted.dialogs.type(text);
    (Entry == 3 ? w->cmd_k : w->cmd_x0)->click();

    const QString head = QStringLiteral("Logistic Mapping: y = ");
    if (Entry == 3) {
        check(w->x0 == x0Before);
        // Letters read as 0 and are taken, so a typed "k" looks like the placeholder.
        if (w->capt == QLatin1String("k") && text != QLatin1String("k")) {
            check(w->k == kBefore);
        } else {
            check(w->capt == text && w->k.toDouble() == readNumber(text).value);
            check(std::isfinite(w->k.toDouble()));
        }
        check(w->caption() == head + w->capt + "x(1 - x)            x0 = " +
                                  fourDecimals(w->x0, Precision::Single));
    } else {
        check(w->k == kBefore && w->init == text);
        const double typed = readNumber(text).value;
        const bool taken = typed > 0 && typed < 1;
        const float onBar = static_cast<float>(w->hsb_x0->value() / 10000.0);
        check(w->x0 == x0Before ||
              (taken && (w->x0 == static_cast<float>(typed) || w->x0 == onBar)));
        check(w->x0 >= 0.0f && w->x0 <= 1.0f);
        const QString kText = fourDecimals(w->k.toDouble(), w->k.precision());
        check(w->caption() == head + kText + "x(1 - x)              x0 = " + text ||
              w->caption() == head + kText + "x(1 - x)          x0 = " +
                                  fourDecimals(w->x0, Precision::Single));
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
    if (Entry <= 2)
        sieveEntry(p, text);
    else
        logisticEntry(p, text);
    p.scripted.dialogs.shown.clear(); // the record of boxes would grow over a long run
    check(p.scripted.dialogs.unexpected <= 1);
    p.scripted.dialogs.unexpected = 0;
    return 0;
}
