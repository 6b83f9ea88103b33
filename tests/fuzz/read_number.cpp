// Reading the leading number of any text: never reads past the text, and what it reads
// is what the text says.
#include "runtime/numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const zr::NumberRead read = zr::readNumber(text);
    if (read.ok && !std::isfinite(read.value)) std::abort(); // infinities are refused
    if (!read.ok && read.value != 0.0) std::abort();
    // Blanks in front change nothing; anything after the number changes nothing.
    const zr::NumberRead padded = zr::readNumber(QStringLiteral("  ") + text);
    if (padded.ok != read.ok || (read.ok && padded.value != read.value)) std::abort();
    const zr::NumberRead ended = zr::readNumber(text + QStringLiteral("x9"));
    if (ended.ok != read.ok || (read.ok && ended.value != read.value)) std::abort();
    // A value read back from its general form is the same value.
    if (read.ok) {
        const zr::NumberRead again =
            zr::readNumber(zr::generalForm(read.value, zr::Precision::Double));
        if (!again.ok || again.value != read.value) std::abort();
    }
    return 0;
}
