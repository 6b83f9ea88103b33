// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/picturemenu.h"

#include "runtime/form.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSaveFile>

namespace zr {

namespace {
const QString SaveTitle = QStringLiteral("Save Picture As");

bool isMenuKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Menu ||
           (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
}
} // namespace

PictureMenu::PictureMenu(Form* window, QWidget* area) : QMenu(area), window_(window), area_(area) {
    addAction(QStringLiteral("&Copy Picture"), this, [this] { copyPicture(); });
    addAction(QStringLiteral("&Save Picture As…"), this, [this] { savePicture(); });
    area->installEventFilter(this);
}

bool PictureMenu::eventFilter(QObject* watched, QEvent* event) {
    const bool asked =
        event->type() == QEvent::ContextMenu ||
        (event->type() == QEvent::KeyPress && isMenuKey(static_cast<QKeyEvent*>(event)));
    if (watched != area_ || !asked) return false;
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Mouse)
        popup(static_cast<QContextMenuEvent*>(event)->globalPos());
    else
        popup(area_->mapToGlobal(area_->rect().center()));
    return true;
}

QImage PictureMenu::picture() const {
    // What is on the screen, not a kept image: an area that keeps none shows its text only
    // there.
    return area_->grab(area_->contentsRect()).toImage();
}

void PictureMenu::copyPicture() {
    QGuiApplication::clipboard()->setImage(picture());
}

void PictureMenu::savePicture() {
    // The picture as it was when the user asked; the window may change behind the dialog.
    const QImage shot = picture();
    Runtime& rt = window_->rt();
    const QString path = rt.dialogs().saveFileName(SaveTitle, pictureFileName(window_->caption()));
    if (path.isEmpty()) return;
    const QString failure = writePicture(shot, path);
    if (!failure.isEmpty())
        rt.msgBox(QStringLiteral("The picture was not saved as %1: %2.").arg(path, failure),
                  MB_OK | MB_EXCLAMATION, SaveTitle);
}

QString pictureFileName(const QString& caption) {
    static const QRegularExpression refused(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    QString name = QString(caption).remove(refused).simplified();
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return (name.isEmpty() ? QStringLiteral("Picture") : name) + QStringLiteral(".png");
}

QString writePicture(const QImage& image, const QString& path) {
    // Renaming over a folder, a device or a pipe would destroy it rather than save anything.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile())
        return QStringLiteral("that name belongs to a folder or a device, not a file");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    QImageWriter writer(&file, "png");
    // Left uncommitted, the file is discarded with what was written of it.
    if (!writer.write(image)) return writer.errorString();
    // A write that failed (a full disk) fails the commit, which then removes what it wrote.
    if (!file.commit()) return file.errorString();
    return QString();
}

} // namespace zr
