#include "valuesscreen.h"

#include <QFontMetrics>

ValuesScreen::ValuesScreen(QWidget* parent, const QString& name, const QString& accessibleName,
                           double left, double top, double width, double height)
    : PictureBox(parent, name, accessibleName, left, top, width, height) {}

void ValuesScreen::print(const QString& text, bool endLine) {
    if (isVisible()) {
        shown_.append({currentX(), currentY(), text});
        PictureBox::print(text, endLine);
        return;
    }
    // Hidden, the text lands nowhere: only the cursor moves on, as it would on the screen.
    if (endLine) {
        setCurrentX(scaleLeft());
        setCurrentY(currentY() + textHeight());
    } else {
        const double pxPerUnit = toPixel(1, 0).x() - toPixel(0, 0).x();
        setCurrentX(currentX() + QFontMetrics(font()).horizontalAdvance(text) / pxPerUnit);
    }
}

void ValuesScreen::cls() {
    shown_.clear();
    PictureBox::cls();
}

void ValuesScreen::beginRewrite() {
    setUpdatesEnabled(false);
}

void ValuesScreen::endRewrite() {
    setUpdatesEnabled(true);
    if (isVisible()) repaint();
}

void ValuesScreen::hideEvent(QHideEvent* event) {
    shown_.clear();
    PictureBox::hideEvent(event);
}
