// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole program on scripted services: dialogs answered, time and chance chosen by
// the test. Start-up runs in no real time, since the scripted clock moves only when the
// program waits. Windows are reached as a user reaches them: controls by name, clicked.
#pragma once

#include "logistic/logistic.h"
#include "shell/module1.h"
#include "sieve/sierpinski.h"
#include "tests/support/scripted.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QtTest>

// Names of the top-level windows still in existence; every window test's cleanup() checks
// that none is left once its program is gone.
inline QStringList leftoverWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList names;
    for (const QWidget* w : QApplication::topLevelWidgets())
        names << w->objectName() + " (" + w->metaObject()->className() + ")";
    return names;
}

// Where `image` differs from the picture `name` last reviewed by more than two shades of a
// colour's 256 (what rounding may take from a blend); ZELTA_PICTURES=folder writes what is seen
// there, to be reviewed. Pictures are reviewed at one device pixel per logical pixel only.
inline QStringList differs(const QString& name, const QImage& image) {
    if (image.devicePixelRatio() != 1) return {};
    const QImage seen = image.convertToFormat(QImage::Format_ARGB32);
    if (qEnvironmentVariableIsSet("ZELTA_PICTURES"))
        seen.save(qEnvironmentVariable("ZELTA_PICTURES") + "/" + name + ".png");
    const QImage shown = QImage(ZELTA_REVIEWED "/" + name + ".png").convertToFormat(seen.format());
    if (shown.size() != seen.size()) return {name + " is missing or another size"};
    int off = 0;
    for (int y = 0; y < seen.height(); ++y)
        for (int x = 0; x < seen.width(); ++x) {
            const QRgb a = seen.pixel(x, y), b = shown.pixel(x, y);
            off += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                             std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))}) > 2;
        }
    return off ? QStringList{name + QString(": %1 pixels differ").arg(off)} : QStringList{};
}

// What a user meets in a window besides its picture: the window's place, title bar buttons
// and colour; each control's name for assistive technology, place, whether it is shown and
// enabled, takes the keyboard focus, fills its background, its font and whether it wraps its
// text; a scroll bar's range, steps, value and whether it moves on with the thumb; each menu
// item's text and whether it is enabled, and a menu's name for assistive technology. Where it
// differs from the description `name` last reviewed (ZELTA_PICTURES=folder writes it there).
inline QStringList differs(const QString& name, zr::Form* form) {
    if (qApp->devicePixelRatio() != 1) return {}; // fitted labels may take another pixel
    QStringList seen;
    QDebug(&seen.emplace_back()) << form->outer()->geometry() << form->outer()->windowFlags()
                                 << form->palette().color(QPalette::Window);
    for (QWidget* w : QList<QWidget*>{form} + form->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_") &&
            !qobject_cast<QMenu*>(w))
            QDebug(&seen.emplace_back())
                << w->objectName()
                << QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name)
                << w->geometry() << w->isVisibleTo(form) << w->isEnabled() << w->focusPolicy()
                << w->autoFillBackground() << w->font().family() << w->font().pointSizeF()
                << w->font().bold() << w->property("wordWrap");
    for (const QAbstractSlider* s : form->findChildren<QAbstractSlider*>())
        QDebug(&seen.emplace_back())
            << s->objectName() << s->minimum() << s->maximum() << s->singleStep() << s->pageStep()
            << s->value() << s->hasTracking();
    for (const QMenu* menu : form->menus())
        for (const QAction* a : menu->findChildren<QAction*>())
            QDebug(&seen.emplace_back())
                << (a->menu() ? a->menu()->objectName() : a->objectName()) << a->text()
                << a->isEnabled() << (a->menu() ? a->menu()->accessibleName() : QString());
    QFile out(qEnvironmentVariable("ZELTA_PICTURES") + "/" + name + ".txt");
    if (qEnvironmentVariableIsSet("ZELTA_PICTURES") && out.open(QIODevice::WriteOnly))
        out.write(seen.join('\n').toUtf8() + '\n');
    QFile file(ZELTA_REVIEWED "/" + name + ".txt");
    file.open(QIODevice::ReadOnly); // none reviewed yet: every line differs
    const QStringList kept = QString(file.readAll()).split('\n', Qt::SkipEmptyParts);
    QStringList off;
    for (qsizetype i = 0; i < std::max(seen.size(), kept.size()); ++i)
        if (seen.value(i) != kept.value(i)) off << name + ": " + seen.value(i);
    return off;
}

// The base of every window test: after each test no top-level window may be left, once the
// test's program is gone.
class WindowTest : public QObject {
    Q_OBJECT
  private slots:
    // Drawing outside a picture, with a painter that could not start, or a connection that
    // could not be made is a fault.
    void init() { QTest::failOnWarning(QRegularExpression("^Q(Image|Painter|Pixmap|Object)\\b")); }
    void cleanup() { QCOMPARE(leftoverWindows(), QStringList()); }
};

struct TestProgram {
    zr::ScriptedServices scripted;
    // Ends before the services its windows use; the windows it unloads on the way are deleted
    // when the test's cleanup looks for leftovers.
    std::unique_ptr<zr::Runtime> rt = std::make_unique<zr::Runtime>(scripted.services());

    TestProgram() {
        Module1::registerShellWindows(*rt);
        logistic::registerWindow(*rt);
        Sierpinski::registerWindow(*rt);
    }
    // Runs the start-up sequence to its end: splash, wait, chooser, hidden programs.
    void start() { Module1::Main(*rt); }

    zr::Form* window(const QString& name) const { return rt->loadedForm(name); }
    template <class T = QAbstractButton> T* control(const QString& w, const QString& name) const {
        return window(w) ? window(w)->findChild<T*>(name) : nullptr;
    }
    auto* area(const QString& w, const QString& n) const { return control<zr::PictureBox>(w, n); }
    // A label's text or a button's caption, and the name a screen reader gives if another.
    QString text(const QString& w, const QString& name) const {
        if (const auto* label = control<QLabel>(w, name)) return label->text();
        const QAbstractButton* b = control(w, name);
        const QString said = b->accessibleName();
        return b->text() + (said == QString(b->text()).remove('&') ? "" : " named " + said);
    }
    void click(const QString& w, const QString& button) { control(w, button)->click(); }
    void trigger(const QString& w, const QString& item) { control<QAction>(w, item)->trigger(); }
    // Answers the next message box with `answer`, then clicks.
    void confirm(const QString& w, const QString& button, int answer = zr::IDYES) {
        scripted.dialogs.answer(answer), click(w, button);
    }
    // Types the texts into the input boxes that come, in order, then clicks; "<cancel>"
    // cancels a box.
    void enter(const QString& w, const QString& button, const QStringList& typed) {
        for (const QString& t : typed)
            scripted.dialogs.type(t == "<cancel>" ? std::nullopt : std::optional<QString>(t));
        click(w, button);
    }
    // Clicks `button` to start a run and calls `step(n)` at the run's n-th yield, as a user
    // acting then would. A run still going after `limit` yields is ended by unloading its
    // window and fails the test. Returns the number of yields.
    int run(const QString& w, const QString& button, const std::function<void(int)>& step,
            int limit = 20000) {
        int steps = 0;
        rt->setYieldHook([&] { ++steps > limit ? rt->unload(w) : step(steps); });
        click(w, button);
        rt->setYieldHook({});
        if (steps > limit) QTest::qFail("the run did not end", __FILE__, __LINE__);
        return steps;
    }
};
