// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The context menu of a picture area: the picture as the user sees it copied to the
// clipboard or saved as a PNG file, and whatever else the window offers there. It opens on
// a right click, and on the Menu key or Shift+F10 while the area has the focus. Nothing it
// does touches the window's state, so it serves inside a run's yield as well.
#pragma once

#include <QMenu>

namespace zr {

class Form;

class PictureMenu : public QMenu {
    Q_OBJECT
  public:
    // The menu of `area` in `window`, whose caption names the saved picture.
    PictureMenu(Form* window, QWidget* area);
    // Other items come below the two of every picture area (addAction).

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The area's inside as it is on the screen, at the screen's pixel density.
    QImage picture() const;
    void copyPicture();
    void savePicture();

    Form* window_;
    QWidget* area_;
};

// A file name for a picture of the window captioned `caption`: the characters no file name
// may hold dropped, blanks run together, ".png" after it.
QString pictureFileName(const QString& caption);

// Writes `image` to `path` as a PNG file, whole or not at all: a file already there is
// replaced only once the new one is complete. Returns why it failed, or an empty text.
QString writePicture(const QImage& image, const QString& path);

} // namespace zr
