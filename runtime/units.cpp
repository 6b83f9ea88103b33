#include "runtime/units.h"

#include <QApplication>
#include <QPalette>

namespace zr {

namespace {
QColor systemColour(unsigned index) {
    const QPalette pal = QApplication::palette();
    switch (index) {
    case 0x01:
        return pal.color(QPalette::Highlight).darker(150); // desktop
    case 0x02:
        return pal.color(QPalette::Highlight); // active title bar
    case 0x05:
        return pal.color(QPalette::Base); // window background
    case 0x08:
        return pal.color(QPalette::Text); // window text
    case 0x0C:
        return pal.color(QPalette::Dark); // application workspace
    case 0x0D:
        return pal.color(QPalette::Highlight); // highlight
    case 0x0E:
        return pal.color(QPalette::HighlightedText); // highlight text
    case 0x0F:
        return pal.color(QPalette::Button); // button face
    case 0x12:
        return pal.color(QPalette::ButtonText); // button text
    case 0x18:
        return pal.color(QPalette::ToolTipBase); // tooltip background
    default:
        return pal.color(QPalette::Window);
    }
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
