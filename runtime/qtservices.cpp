// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/qtservices.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTime>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

namespace zr {

int QtDialogs::messageBox(const QString& text, int style, const QString& title) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    if ((style & MB_EXCLAMATION) == MB_EXCLAMATION)
        box.setIcon(QMessageBox::Warning);
    else if (style & MB_QUESTION)
        box.setIcon(QMessageBox::Question);
    if ((style & 7) == MB_YESNO) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? IDYES : IDNO;
    }
    box.exec(); // a box given no buttons shows OK
    return IDOK;
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title,
                            const QString& defaultText) {
    QString text = prompt;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    bool ok;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), title, text,
                                                 QLineEdit::Normal, defaultText, &ok);
    return ok ? answer : QString();
}

QString QtDialogs::saveFileName(const QString& title, const QString& suggestedName) {
    if (saveFolder_.isEmpty())
        saveFolder_ = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QFileDialog dialog(QApplication::activeWindow(), title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PNG pictures (*.png)"));
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setDirectory(saveFolder_);
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    const QString chosen = dialog.selectedFiles().constFirst();
    saveFolder_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

double QtClock::monotonic() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

float QtClock::timer() {
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

void QtClock::sleep(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); // none for none
}

void QtClock::waitForEvents(double seconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (seconds <= 0) return;
    // A wake-up call bounds the wait; any event that comes first ends it sooner.
    QTimer wake;
    wake.start(static_cast<int>(std::ceil(std::min(seconds, 3600.0) * 1000.0)));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

QtRandom::QtRandom() : engine_(std::random_device{}()) {}

float QtRandom::next() {
    // 24 random bits: every value is exact in single precision and below 1.
    return static_cast<float>(engine_() >> 8) / 16777216.0f;
}

void QtPrinter::printImage(const QImage& image) {
    QPrinter printer(QPrinter::HighResolution);
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(page.topLeft(), size), image);
}

bool QtLauncher::start(const QString& program) {
    // One program path, never a command line: nothing in it is split or interpreted.
    return QProcess::startDetached(program, QStringList());
}

bool QtLauncher::fileExists(const QString& path) {
    return QFileInfo(path).isFile(); // false for what does not exist
}

void QtEnder::endProgram() {
    // Nothing is kept between runs, so nothing needs saving, and nothing is written to the
    // standard output while the windows are up: the program ends here, with no further event
    // handled by any window.
    std::_Exit(0);
}

} // namespace zr
