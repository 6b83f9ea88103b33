#include "tests/support/program.h"

#include "logistic/logistic.h"
#include "runtime/controls.h"
#include "shell/module1.h"
#include "sieve/sierpinski.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QtTest>

QStringList leftoverWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList names;
    for (const QWidget* w : QApplication::topLevelWidgets())
        names.append(QStringLiteral("%1 (%2)").arg(w->objectName(), w->metaObject()->className()));
    return names;
}

TestProgram::TestProgram() : rt(std::make_unique<zr::Runtime>(scripted.services())) {
    Module1::registerShellWindows(*rt);
    logistic::registerWindow(*rt);
    Sierpinski::registerWindow(*rt);
}

TestProgram::~TestProgram() {
    rt.reset();
    // Windows unloaded during the test are deleted once their handlers are done.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestProgram::start() {
    Module1::Main(*rt);
}

QString TestProgram::text(const QString& window, const QString& name) const {
    if (auto* label = control<QLabel>(window, name)) return label->text();
    if (auto* button = control<zr::CommandButton>(window, name)) return button->caption();
    return QStringLiteral("<no control %1 in %2>").arg(name, window);
}

void TestProgram::confirm(const QString& window, const QString& button, int answer) {
    scripted.dialogs.answer(answer);
    click(window, button);
}

void TestProgram::enter(const QString& window, const QString& button, const QStringList& typed) {
    for (const QString& t : typed)
        scripted.dialogs.type(t == QLatin1String("<cancel>") ? std::nullopt
                                                             : std::optional<QString>(t));
    click(window, button);
}

int TestProgram::run(const QString& window, const QString& button,
                     const std::function<void(int)>& step, int limit) {
    int steps = 0;
    rt->setYieldHook([&] {
        if (++steps > limit)
            rt->unload(window);
        else
            step(steps);
    });
    click(window, button);
    rt->setYieldHook({});
    if (steps > limit) QTest::qFail("the run did not end", __FILE__, __LINE__);
    return steps;
}
