// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls the windows are built from, placed in twips and named as the windows
// name them: each one's objectName is its name, and it carries an accessible name.
#pragma once

#include "runtime/units.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

class QAction;
class QMenu;

namespace zr {

// Reports a left click released inside a widget's own area. The release goes no further, so
// that what lies behind the widget never takes the click for its own.
class ClickFilter : public QObject {
    Q_OBJECT
  public:
    explicit ClickFilter(QWidget* widget);

  signals:
    void clicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Names a control and places it in its container at `tw`, in twips.
void place(QWidget* control, const QString& name, const QString& accessibleName, const QRectF& tw);
// A caption as read out: "&&" stands for "&", and "&" before another character marks its
// access key.
QString withoutAccessKey(QString caption);

class CommandButton : public QPushButton {
    Q_OBJECT
  public:
    CommandButton(QWidget* parent, const QString& name, const QString& caption, const QRectF& tw);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    // The picture style: the button shows its back colour (and its picture, if any)
    // instead of the desktop's button face.
    void setGraphical(Colour backColour);
    void setPicture(const QImage& picture);

  private:
    QString caption_;
};

class Label : public QLabel {
    Q_OBJECT
  public:
    Label(QWidget* parent, const QString& name, const QString& caption, const QRectF& tw);
    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    void setBackColor(Colour colour);
    void setForeColor(Colour colour);
    // Grows or shrinks to fit its text, keeping its top-left corner (right-aligned labels
    // keep their right edge).
    void setAutoSize(bool on);

  signals:
    // A label takes its own clicks: they never reach the panel behind it.
    void clicked();

  private:
    void fitToText();
    bool autoSize_ = false;
};

// A horizontal scroll bar. valueChanged fires on every change of the value, also when
// code sets it, and not when the value is set to what it already is.
class HScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    HScrollBar(QWidget* parent, const QString& name, const QString& accessibleName,
               const QRectF& tw);
    void setRange(int min, int max, int smallChange, int largeChange);
};

// A bordered panel that holds other controls and reports a click on its free area.
class Panel : public QFrame {
    Q_OBJECT
  public:
    Panel(QWidget* parent, const QString& name, const QString& accessibleName, const QRectF& tw);
    void setBackColor(Colour colour);

  signals:
    void clicked();
};

// A picture stretched to the control's whole size (no edge of its own), keeping its crisp
// pixels; a click on it is reported like a panel's.
class ImageBox : public Panel {
    Q_OBJECT
  public:
    using Panel::Panel;
    void setPicture(const QImage& picture);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
};

// A rectangle drawn behind other controls: an outline, optionally filled.
class Shape : public QWidget {
    Q_OBJECT
  public:
    Shape(QWidget* parent, const QString& name, const QRectF& tw);
    void setFill(Colour colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool filled_ = false;
    Colour fill_ = White;
};

// A straight line between two points of the container, in twips.
class LineShape : public QWidget {
    Q_OBJECT
  public:
    LineShape(QWidget* parent, const QString& name, double x1, double y1, double x2, double y2,
              Colour colour, int widthPx);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QLineF line_;
    Colour colour_;
    int width_;
};

// A menu item with its access key in the caption ("&About Zelta").
QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption);
QMenu* addSubMenu(QMenu* menu, const QString& name, const QString& caption);

} // namespace zr
