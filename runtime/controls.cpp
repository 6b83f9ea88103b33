// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/controls.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>

namespace zr {

QString withoutAccessKey(QString caption) {
    static const QRegularExpression marked(QStringLiteral("&(.)"));
    return caption.replace(marked, QStringLiteral("\\1"));
}

ClickFilter::ClickFilter(QWidget* widget) : QObject(widget) {
    widget->installEventFilter(this);
}

bool ClickFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) return false;
    const auto* e = static_cast<QMouseEvent*>(event);
    const auto* w = static_cast<QWidget*>(watched);
    if (e->button() == Qt::LeftButton && w->rect().contains(e->position().toPoint()))
        emit clicked();
    return true;
}

void place(QWidget* control, const QString& name, const QString& accessibleName, const QRectF& tw) {
    control->setObjectName(name);
    control->setAccessibleName(accessibleName);
    control->setGeometry(twRect(tw));
}

CommandButton::CommandButton(QWidget* parent, const QString& name, const QString& caption,
                             const QRectF& tw)
    : QPushButton(parent) {
    place(this, name, withoutAccessKey(caption), tw);
    setCaption(caption);
}

void CommandButton::setCaption(const QString& caption) {
    caption_ = caption;
    setText(caption);
    if (!caption.isEmpty()) setAccessibleName(withoutAccessKey(caption));
}

void CommandButton::setGraphical(Colour backColour) {
    const QColor back = toQColor(backColour);
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset %2;"
                                 " padding: 1px; }"
                                 "QPushButton:pressed { border-style: inset; }"
                                 "QPushButton:focus { border-color: %3; }")
                      .arg(back.name(), back.lighter(130).name(), back.darker(160).name()));
}

void CommandButton::setPicture(const QImage& picture) {
    setIcon(QIcon(QPixmap::fromImage(picture)));
    setIconSize(picture.size());
}

Label::Label(QWidget* parent, const QString& name, const QString& caption, const QRectF& tw)
    : QLabel(parent) {
    place(this, name, caption, tw);
    connect(new ClickFilter(this), &ClickFilter::clicked, this, &Label::clicked);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCaption(caption);
}

void Label::setCaption(const QString& caption) {
    setText(caption);
    if (!caption.trimmed().isEmpty()) setAccessibleName(caption.simplified());
    if (autoSize_) fitToText();
}

void Label::setBackColor(Colour colour) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(colour));
    setPalette(pal);
    setAutoFillBackground(true);
}

void Label::setForeColor(Colour colour) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, toQColor(colour));
    setPalette(pal);
}

void Label::setAutoSize(bool on) {
    autoSize_ = on;
    if (on) {
        setWordWrap(false);
        fitToText();
    }
}

void Label::fitToText() {
    // Measured as the label lays its text out: a line can be a pixel taller than height().
    const QSize size = QFontMetrics(font()).size(0, text()) + QSize(2, 0);
    QRect g = geometry();
    if (alignment() & Qt::AlignRight)
        g.setLeft(g.left() + g.width() - size.width());
    else
        g.setWidth(size.width());
    g.setHeight(size.height());
    setGeometry(g);
}

HScrollBar::HScrollBar(QWidget* parent, const QString& name, const QString& accessibleName,
                       const QRectF& tw)
    : QScrollBar(Qt::Horizontal, parent) {
    place(this, name, accessibleName, tw);
    // The value changes when the thumb is let go, not at every step of a drag.
    setTracking(false);
}

void HScrollBar::setRange(int min, int max, int smallChange, int largeChange) {
    QScrollBar::setRange(min, max);
    setSingleStep(smallChange);
    setPageStep(largeChange);
}

Panel::Panel(QWidget* parent, const QString& name, const QString& accessibleName, const QRectF& tw)
    : QFrame(parent) {
    place(this, name, accessibleName, tw);
    // A frame has no click of its own.
    connect(new ClickFilter(this), &ClickFilter::clicked, this, &Panel::clicked);
    setFrameStyle(QFrame::Box | QFrame::Sunken);
}

void Panel::setBackColor(Colour colour) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(colour));
    setPalette(pal);
    setAutoFillBackground(true);
}

void ImageBox::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // A painter stretches by nearest neighbour unless told otherwise: the icon's pixels stay crisp.
    p.drawImage(rect(), picture_);
}

Shape::Shape(QWidget* parent, const QString& name, const QRectF& tw) : QWidget(parent) {
    place(this, name, QString(), tw);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFill(Colour colour) {
    filled_ = true;
    fill_ = colour;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (filled_) p.fillRect(rect(), toQColor(fill_));
    // A black outline one pixel wide, just inside the edge, with square corners.
    QPen pen(Qt::black, 1);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

LineShape::LineShape(QWidget* parent, const QString& name, double x1, double y1, double x2,
                     double y2, Colour colour, int widthPx)
    : QWidget(parent), colour_(colour), width_(widthPx) {
    const QPointF a(x1 / TwipsPerPixel, y1 / TwipsPerPixel);
    const QPointF b(x2 / TwipsPerPixel, y2 / TwipsPerPixel);
    const QRect box =
        QRectF(a, b).normalized().toAlignedRect().adjusted(-widthPx, -widthPx, widthPx, widthPx);
    setObjectName(name);
    setGeometry(box);
    line_ = QLineF(a - box.topLeft(), b - box.topLeft());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(toQColor(colour_), width_, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(line_);
}

QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QMenu* addSubMenu(QMenu* menu, const QString& name, const QString& caption) {
    QMenu* sub = menu->addMenu(caption);
    sub->setObjectName(name);
    sub->setAccessibleName(withoutAccessKey(caption));
    return sub;
}

} // namespace zr
