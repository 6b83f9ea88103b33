// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing numbers. The input read as text: reading never goes past the text and
// reads what the text says. Its first eight bytes as a double (and a single): the general
// form and every pattern the windows use read back as the value, to the pattern's decimals.
#include "runtime/numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

void read(const QString& text) {
    const zr::NumberRead read = zr::readNumber(text);
    check(read.ok ? std::isfinite(read.value) : read.value == 0.0); // infinities are refused
    // Blanks in front change nothing; anything after the number changes nothing.
    const zr::NumberRead same = zr::readNumber(QStringLiteral("  ") + text + QStringLiteral("x9"));
    check(same.ok == read.ok && same.value == read.value);
}

void written(double value, zr::Precision precision) {
    const QString out = zr::generalForm(value, precision);
    check(zr::signedForm(value, precision) == (out.startsWith('-') ? out : ' ' + out));
    if (!std::isfinite(value)) return; // the non-finite texts: tst_numbers
    const zr::NumberRead back = zr::readNumber(out);
    check(precision == zr::Precision::Single
              ? static_cast<float>(back.value) == static_cast<float>(value)
              : back.value == value);
    const double digits = precision == zr::Precision::Single ? 1e-6 : 1e-14;
    for (const auto& [pattern, decimals] :
         {std::pair{"0.0", 1}, {"0.00", 2}, {"0.0###", 4}, {"0.0000", 4}}) {
        const QString fixed = zr::formatNumber(value, QString::fromLatin1(pattern), precision);
        const qsizetype point = fixed.indexOf('.');
        check(point > 0 && fixed.size() - point - 1 <= decimals);
        const zr::NumberRead r = zr::readNumber(fixed);
        // The very largest doubles round up past the range: only reading them back fails.
        check(r.ok ? std::fabs(r.value - value) <=
                         std::fabs(value) * digits + 0.5000005 * std::pow(10.0, -decimals)
                   : std::fabs(value) > 1.797693134862315e308);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    read(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (size < 8) return 0;
    double value;
    float single;
    std::memcpy(&value, data, sizeof value);
    std::memcpy(&single, data, sizeof single);
    written(value, zr::Precision::Double);
    written(single, zr::Precision::Single);
    return 0;
}
