// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Entering k and x0: two input boxes and the x0 scroll bar, each echoed in the caption.
#include "logistic/logistic.h"

#include <cmath>

using namespace zr;

namespace {
const QString CaptionStart = QStringLiteral("Logistic Mapping: y = ");
const QString InputTitle = QStringLiteral("y = kx(1 - x)");

QString upToFourDecimals(const Value& v) {
    return formatNumber(v.toDouble(), QStringLiteral("0.0###"), v.precision());
}
QString upToFourDecimals(float v) {
    return formatNumber(v, QStringLiteral("0.0###"), Precision::Single);
}
} // namespace

void logistic::setTypedKCaption() {
    setCaption(CaptionStart + capt + QStringLiteral("x(1 - x)            x0 = ") +
               upToFourDecimals(x0));
}

void logistic::cmd_k_Click() {
    if (capt == QLatin1String("k")) capt = QStringLiteral("3.0");
    capt = rt().inputBox(QStringLiteral("Enter the value of k: 0 < k < 4"), InputTitle, capt);
    takeKText();
    setTypedKCaption();
}

void logistic::takeKText() {
    // Only the first characters are tested: a text from "0." on passes, one starting with
    // a blank, a sign or a point does not. A number too large to hold is refused too.
    const NumberRead typed = readNumber(capt);
    if (capt > QLatin1String("0") && typed.ok)
        k = Value::real(typed.value);
    else
        capt = QStringLiteral("k");
    emit kChanged(k.toDouble());
}

void logistic::cmd_x0_Click() {
    init = rt().inputBox(QStringLiteral("Starting value: x0, where 0 < x0 < 1"), InputTitle, init);
    // The caption shows the text as typed, accepted or not.
    setCaption(CaptionStart + upToFourDecimals(k) + QStringLiteral("x(1 - x)              x0 = ") +
               init);
    const NumberRead typed = readNumber(init);
    if (typed.ok && typed.value > 0 && typed.value < 1) x0 = static_cast<float>(typed.value);
    lbl_x0->setCaption(QStringLiteral("x0 = ") +
                       formatNumber(x0, QStringLiteral("0.0000"), Precision::Single));
    // Moving the bar quantises x0 to its steps; when the bar stays, no change comes and
    // x0 keeps what was typed.
    hsb_x0->setValue(
        static_cast<int>(std::nearbyint(static_cast<double>(x0) * 10000.0))); // halves to even
}

void logistic::hsb_x0_Change() {
    x0 = static_cast<float>(hsb_x0->value() / 10000.0);
    lbl_x0->setCaption(QStringLiteral("x0 = ") +
                       formatNumber(x0, QStringLiteral("0.0000"), Precision::Single));
    setCaption(CaptionStart + upToFourDecimals(k) + QStringLiteral("x(1 - x)          x0 = ") +
               upToFourDecimals(x0));
}
