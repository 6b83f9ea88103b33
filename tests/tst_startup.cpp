// The start-up sequence, the splash and the chooser on a scripted clock, and the end of the
// program: FINISH, and the frame closed while handlers are still going.
#include "tests/support/program.h"

using namespace zr;

namespace {
// The child windows loaded, each marked when it is hidden, and whether the splash is.
QString loaded(const TestProgram& p) {
    QStringList names;
    for (const char* name : {"frmSplash", "intro", "logistic", "Sierpinski"})
        if (const Form* f = p.window(name)) names << name + QString(f->isShown() ? "" : " hidden");
    return names.join(", ");
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        QVERIFY2(leftoverWindows().isEmpty(), qPrintable(leftoverWindows().join(", ")));
    }

    // However the splash goes, the chooser comes only when the four seconds are up.
    void splashThenChooser_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"wait", "key", "click"}) // the last on the panel's free area
            QTest::newRow(how) << QString(how);
    }
    void splashThenChooser() {
        QFETCH(QString, how);
        TestProgram p;
        QStringList seen;
        const auto click = [&](const char* name, QPoint at) {
            QTest::mouseClick(p.control<QWidget>("frmSplash", name), Qt::LeftButton, {}, at);
        };
        p.scripted.clock.at(1.0, [&] {
            QWidget* splash = p.window("frmSplash");
            const QPoint off = splash->window()->frameGeometry().center() -
                               QGuiApplication::primaryScreen()->geometry().center();
            seen << p.text("frmSplash", "lblProductName") + " " +
                        p.text("frmSplash", "lblVersion") +
                        (off.manhattanLength() > 2 ? " off" : "");
            for (const char* inside : {"lblProductName", "lblVersion", "imgLogo"})
                click(inside, {3, 3}); // what the panel holds does not close it
            if (how == "key") QTest::keyClick(splash, Qt::Key_A);
            if (how == "click") click("Frame1", {20, 20});
            seen << loaded(p);
        });
        p.scripted.clock.at(3.9, [&] { seen << loaded(p); });
        int waits = 0;
        p.rt->setYieldHook([&] { ++waits; });
        p.start();
        seen << loaded(p) << QString::number(qFloor(p.scripted.clock.now));
        const QString splash = how == "wait" ? "frmSplash" : "";
        QCOMPARE(seen, (QStringList{"ZELTA Version 1.1.0", splash, splash,
                                    "intro, logistic hidden, Sierpinski hidden", "4"}));
        QCOMPARE(p.window("Zelta")->frameGeometry(), QRect(px(400), 0, px(11180), px(8800)));
        // The wait handled events as they came instead of spinning through the four seconds.
        QVERIFY(waits < 10);
    }

    // The chooser opens either program and comes back with EXIT; FINISH answered No changes
    // nothing, answered Yes ends the program at once, even inside a run. (What the program
    // windows show once chosen: tst_sieve, tst_logistic.)
    void chooserAndFinish() {
        TestProgram p;
        p.start();
        p.click("intro", "cmd_logistic");
        QStringList seen{loaded(p)};
        p.confirm("logistic", "cmd_exit");
        p.confirm("intro", "cmd_exit", IDNO);
        seen << loaded(p) << QString::number(p.scripted.ender.ended);
        p.click("intro", "cmd_sierp");
        seen << loaded(p) << QString::number(p.run("Sierpinski", "cmd_iter", [&](int n) {
            if (n == 3) p.confirm("intro", "cmd_exit");
        }));
        const auto finish = p.scripted.dialogs.shown.last();
        seen << QString::number(p.scripted.ender.ended) << loaded(p) << finish.text << finish.title
             << QString::number(finish.style);
        QCOMPARE(seen, (QStringList{"intro hidden, logistic, Sierpinski hidden",
                                    "intro, logistic hidden, Sierpinski hidden", "0",
                                    "intro hidden, logistic hidden, Sierpinski", "3", "1", "",
                                    "Do you really want to finish with Zelta?", "Finish",
                                    QString::number(MB_YESNO | MB_QUESTION)}));
    }

    // Once the frame is closed nothing loads it again: not a key on the splash during the
    // wait, nor a handler whose message box is answered afterwards, nor a Window menu chosen
    // in a window still finishing a handler.
    void nothingComesBackAfterTheFrame_data() {
        QTest::addColumn<QStringList>("path"); // the window, and EXIT or the menu chosen
        QTest::newRow("a key on the splash during the wait") << QStringList{};
        for (const char* w : {"Sierpinski", "logistic"})
            for (const char* how : {"cmd_exit", "menu_log", "menu_sierp"})
                QTest::addRow("%s %s", w, how) << QStringList{w, how};
    }
    void nothingComesBackAfterTheFrame() {
        QFETCH(QStringList, path);
        TestProgram p;
        QSignalSpy over(p.rt.get(), &Runtime::allUnloaded);
        if (path.isEmpty())
            p.scripted.clock.at(1.0, [&] {
                p.window("Zelta")->close();
                QTest::keyClick(p.window("frmSplash"), Qt::Key_A);
            });
        p.start();
        if (!path.isEmpty()) {
            p.click("intro", path[0] == "logistic" ? "cmd_logistic" : "cmd_sierp");
            QPointer<Form> w = p.window(path[0]);
            p.scripted.dialogs.whileOpen = [&] {
                p.window("Zelta")->close();
                if (path[1] != "cmd_exit") w->findChild<QAction*>(path[1])->trigger();
            };
            p.confirm(path[0], path[1] == "cmd_exit" ? "cmd_exit" : "cmd_finish");
        }
        QCOMPARE(p.rt->anyLoaded(), false);
        QCOMPARE(over.count(), 1);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
