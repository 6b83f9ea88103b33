// The values screen: a picture area with no kept image that also remembers the texts it
// shows, so that the listing can be read back as the user sees it.
#pragma once

#include "picturebox.h"

#include <QList>

class ValuesScreen : public zr::PictureBox {
    Q_OBJECT
  public:
    // A text on the screen, at the text cursor (in character units) where it was written.
    struct Text {
        double x;
        double y;
        QString text;
    };

    ValuesScreen(QWidget* parent, const QString& name, const QString& accessibleName, double left,
                 double top, double width, double height);

    // Writes and clears as the picture area does, keeping track of what is shown. Text
    // written while the screen is hidden lands nowhere, as the screen keeps no copy: shown
    // again, it stays in its back colour until something is written.
    void print(const QString& text, bool endLine = true);
    void cls();
    const QList<Text>& shown() const { return shown_; }

    // Rewriting many lines at once: the screen is put on the display once, at the end,
    // instead of after every line.
    void beginRewrite();
    void endRewrite();

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    QList<Text> shown_;
};
