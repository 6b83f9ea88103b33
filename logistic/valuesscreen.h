// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The values screen: a picture area that keeps no image of its own. The texts written on it
// since it was last cleared are what it shows; they are painted straight onto the screen,
// at once, and are gone once the screen is hidden.
#pragma once

#include "runtime/picturebox.h"
#include "runtime/value.h"

#include <QHash>
#include <QList>
#include <QStaticText>

class ValuesScreen : public zr::PictureBox {
    Q_OBJECT
  public:
    // A text on the screen, at the text cursor (in character units) where it was written.
    struct Text {
        double x;
        double y;
        QString text;
        zr::Colour colour;
    };

    ValuesScreen(QWidget* parent, const QString& name, const QString& accessibleName,
                 const QRectF& tw);

    // Writes `text` at the text cursor in the fore colour. Ending the line moves the cursor to
    // the left edge of the next line; otherwise it stays, and the caller places the next text
    // (the listing puts each step number in its own column). Text written while the
    // screen is hidden lands nowhere: shown again, the screen stays in its back colour until
    // something is written.
    void print(const QString& text, bool endLine = true);
    void cls() override;
    const QList<Text>& shown() const { return shown_; }
    // The text of a value written at the left edge: its general form, or as many of its
    // digits as leave a blank's width free before character column `column`.
    QString fitting(const zr::Value& value, double column);

    // Rewriting many lines at once: the screen is put on the display once, at the end,
    // instead of after every line.
    void beginRewrite();
    void endRewrite();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QPoint topLeftOf(const Text& t) const;
    // A text laid out once and kept while the listing shifts it from line to line.
    const QStaticText& laidOut(const QString& text);

    QList<Text> shown_;
    QHash<QString, QStaticText> layouts_;
    // Fitted texts by general form: the listing writes each value up to thirty times.
    QHash<QString, QString> fitted_;
};
