// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A picture area: a canvas with a user scale, on which the windows draw points, lines and
// text. With a persistent image, drawing goes into a kept copy that is put on the screen
// at the next refresh or yield and survives being covered or hidden; without one, what is
// drawn shows at once and is lost when the area is hidden.
#pragma once

#include "runtime/units.h"

#include <QFrame>
#include <QImage>
#include <QTransform>
#include <algorithm>

namespace zr {

class PictureBox : public QFrame {
    Q_OBJECT
  public:
    enum DrawMode { XorPen = 7, CopyPen = 13 };

    // Position and size in twips; a 3-D border takes 30 twips (2 pixels) on each side.
    PictureBox(QWidget* parent, const QString& name, const QString& accessibleName,
               const QRectF& tw, bool border3d = true);

    void setAutoRedraw(bool on) { autoRedraw_ = on; }
    bool autoRedraw() const { return autoRedraw_; }

    // The user scale: the inner area's left and top edge in scale units, and its width and
    // height in units (a negative height makes y grow upwards). The default is pixels.
    void setScale(double left, double top, double width, double height);
    double scaleLeft() const { return scaleLeft_; }
    double scaleTop() const { return scaleTop_; }
    // Scale units to logical pixels from the inner top-left corner, and back.
    const QTransform& toPixels() const { return toPixels_; }
    const QTransform& toUnits() const { return toUnits_; }
    // Where a point in scale units falls, in logical pixels from the inner top-left corner.
    QPointF toPixel(double x, double y) const { return toPixels_.map(QPointF(x, y)); }
    // The logical pixel that a point in scale units lights; a point on the right or
    // bottom edge of the scale's area lights the last pixel, and one that the painter
    // cannot take, (-1, -1), outside.
    QPoint pixelOf(double x, double y) const;
    QSize innerSize() const { return innerPx_; }

    Colour backColor() const { return back_; }
    // Also clears the area, as a new back colour paints over everything.
    void setBackColor(Colour colour);
    Colour foreColor() const { return fore_; }
    void setForeColor(Colour colour) { fore_ = colour; }
    void setDrawMode(int mode) { drawMode_ = mode == XorPen ? XorPen : CopyPen; }
    void setDrawWidth(int pixels) { drawWidth_ = std::max(1, pixels); }
    double currentX() const { return curX_; }
    double currentY() const { return curY_; }
    void setCurrentX(double x) { curX_ = x; }
    void setCurrentY(double y) { curY_ = y; }

    // A dot `drawWidth` pixels wide at (x, y); the current position moves there.
    void pset(double x, double y, Colour colour);
    // A line from (x1, y1) to (x2, y2), or from the current position; the current position
    // moves to its end. Without a colour the fore colour is used. Ends that are huge or
    // not finite are clipped or the line is skipped; nothing outside the area is drawn.
    void line(double x1, double y1, double x2, double y2, Colour colour);
    void line(double x1, double y1, double x2, double y2) { line(x1, y1, x2, y2, fore_); }
    void lineTo(double x2, double y2, Colour colour) { line(curX_, curY_, x2, y2, colour); }
    void lineTo(double x2, double y2) { line(curX_, curY_, x2, y2, fore_); }
    // Fills the area with its back colour; the text cursor goes to the top left.
    virtual void cls();
    // Height of one line of text, in scale units.
    double textHeight() const;
    // Puts what has been drawn on the screen at once.
    void refresh();

    // The area's picture as drawn (device pixels).
    const QImage& image() const { return image_; }
    // The colour of a logical pixel, &H00BBGGRR.
    Colour pixel(int x, int y) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    // Whether the painter can take a point (logical pixels): finite and within a million
    // pixels of the area, as far as its whole-number coordinates reach safely.
    static bool drawable(const QPointF& at);
    // Moves the text cursor to the start of the next line.
    void newLine();
    // The kept picture, for drawing pixel by pixel (device pixels); `drawn` then names the
    // rectangle that changed (logical pixels) so that it reaches the screen.
    QImage& canvas() { return image_; }
    void drawn(const QRectF& pixelRect);

  private:
    // The logical pixel (its top-left corner) that a point, in pixels from the inner
    // top-left corner, lights.
    QPointF pixelAt(const QPointF& p) const;
    void setupPainter(class QPainter& p) const;

    bool autoRedraw_ = false;
    QSizeF innerTw_;
    QSize innerPx_;
    double scaleLeft_ = 0, scaleTop_ = 0;
    QTransform toPixels_, toUnits_; // at first a unit is a pixel
    Colour back_ = SysWindowBackground;
    Colour fore_ = Black;
    int drawMode_ = CopyPen;
    int drawWidth_ = 1;
    double curX_ = 0, curY_ = 0;
    QImage image_;
    QRect dirty_;
};

} // namespace zr
