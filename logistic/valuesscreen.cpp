// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logistic/valuesscreen.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

ValuesScreen::ValuesScreen(QWidget* parent, const QString& name, const QString& accessibleName,
                           const QRectF& tw)
    : PictureBox(parent, name, accessibleName, tw) {}

QPoint ValuesScreen::topLeftOf(const Text& t) const {
    const QPointF at = toPixel(t.x, t.y);
    return contentsRect().topLeft() +
           QPoint(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
}

const QStaticText& ValuesScreen::laidOut(const QString& text) {
    // The listing brings one new value and one new number a step; a small cache holds
    // every text of the thirty lines.
    if (layouts_.size() > 256) layouts_.clear();
    auto found = layouts_.find(text);
    if (found == layouts_.end())
        found = layouts_.insert(text, QStaticText(text)); // laid out when drawn
    return *found;
}

QString ValuesScreen::fitting(const zr::Value& value, double column) {
    const QString full = value.toText();
    const auto found = fitted_.constFind(full);
    if (found != fitted_.constEnd()) return *found;
    if (fitted_.size() > 256) fitted_.clear();
    const QFontMetricsF metrics(font());
    const double room = column * toPixels().m11() - metrics.horizontalAdvance(u' ');
    const auto fits = [&](const QString& text) { return metrics.horizontalAdvance(text) <= room; };
    return *fitted_.insert(full, zr::generalForm(value.toDouble(), value.precision(), fits));
}

void ValuesScreen::print(const QString& text, bool endLine) {
    const double x = currentX(), y = currentY();
    if (endLine) newLine();
    const QPointF at = toPixel(x, y);
    if (!isVisible() || !drawable(at)) return;
    shown_.append({x, y, text, foreColor()});
    // The text's whole line shows at once.
    const QRect inner = contentsRect();
    if (updatesEnabled())
        repaint(QRect(inner.left(), topLeftOf(shown_.last()).y(), inner.width(),
                      QFontMetrics(font()).height()) &
                inner);
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
    if (isVisible()) repaint(contentsRect());
}

void ValuesScreen::paintEvent(QPaintEvent* event) {
    PictureBox::paintEvent(event);
    QPainter p(this);
    p.setClipRegion(event->region() & contentsRect());
    for (const Text& t : shown_) {
        p.setPen(zr::toQColor(t.colour));
        p.drawStaticText(topLeftOf(t), laidOut(t.text));
    }
}

void ValuesScreen::hideEvent(QHideEvent* event) {
    shown_.clear();
    PictureBox::hideEvent(event);
}
