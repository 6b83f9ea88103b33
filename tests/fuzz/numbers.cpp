// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing numbers. The input read as text: reading never goes past the text and
// gives a finite number or refuses. Its first eight bytes as a double (and a single): the
// general form reads back as the value, and so does a typed k as its caption shows it, to the
// caption's decimals.
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
}

void written(double value, zr::Precision precision) {
    const QString out = zr::generalForm(value, precision);
    check(zr::signedForm(value, precision) == (out.startsWith('-') ? out : ' ' + out));
    if (!std::isfinite(value)) return; // the non-finite texts: tst_numbers
    const zr::NumberRead back = zr::readNumber(out);
    check(precision == zr::Precision::Single
              ? static_cast<float>(back.value) == static_cast<float>(value)
              : back.value == value);
    // As a caption shows a typed k: at most four decimals, off by half the last one at most
    // and by the rounding to 7 or 15 digits. The very largest doubles round up past the range:
    // only reading them back fails.
    const QString k = zr::formatNumber(value, QStringLiteral("0.0###"), precision);
    const zr::NumberRead r = zr::readNumber(k);
    const double digits = precision == zr::Precision::Single ? 1e-6 : 1e-14;
    check(k.size() - k.indexOf('.') <= 5 &&
          (r.ok ? std::fabs(r.value - value) <= std::fabs(value) * digits + 0.00005000005
                : std::fabs(value) > 1.797693134862315e308));
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
