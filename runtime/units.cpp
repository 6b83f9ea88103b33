// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/units.h"

#include <QApplication>
#include <QPalette>
#include <map>

namespace zr {

namespace {
QColor systemColour(unsigned index) {
    // The desktop's colours for the system colour numbers the windows use; the desktop
    // itself is its highlight, darkened.
    static const std::map<unsigned, QPalette::ColorRole> roles{
        {0x01, QPalette::Highlight},
        {0x02, QPalette::Highlight},
        {0x05, QPalette::Base},
        {0x08, QPalette::Text},
        {0x0C, QPalette::Dark},
        {0x0D, QPalette::Highlight},
        {0x0E, QPalette::HighlightedText},
        {0x0F, QPalette::Button},
        {0x12, QPalette::ButtonText},
        {0x18, QPalette::ToolTipBase},
    };
    const QPalette pal = QApplication::palette();
    const auto role = roles.find(index);
    const QColor colour = pal.color(role != roles.end() ? role->second : QPalette::Window);
    return index == 0x01 ? colour.darker(150) : colour;
}
} // namespace

QColor toQColor(Colour colour) {
    if (colour & 0x80000000u) return systemColour(colour & 0xFFu);
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

Colour fromQColor(const QColor& colour) {
    return Colour(colour.red()) | Colour(colour.green()) << 8 | Colour(colour.blue()) << 16;
}

QFont layoutFont(const QString& family, double points, bool bold) {
    QFont font;
    // Liberation Sans has Arial's metrics, and the old sans serif dialog face was drawn to
    // the same widths; DejaVu Sans is the last resort every Debian desktop has.
    QStringList families{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                         QStringLiteral("DejaVu Sans")};
    if (family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0) families.move(1, 0);
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace zr
