// The program on a real X server, with or without a window manager (run.sh brings both):
// where the windows land as the server sees them, borders, states, and the flash on the
// screen itself.
#include "tests/support/program.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

using namespace zr;

namespace {
QString ask(const QString& tool, const QWidget* w, const QString& what = {}) {
    QProcess p;
    QStringList args{QStringLiteral("-id"), QString::number(w->window()->winId())};
    if (!what.isEmpty()) args << what;
    p.start(tool, args);
    p.waitForFinished();
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// A window as the X server has it, apart from Qt: its client area on the screen, and the
// extents the window manager framed it with (none without one).
struct Placed {
    QRect client;
    QMargins frame;
    QRect outer() const { return client.marginsAdded(frame); }
};
Placed placed(const QWidget* w) {
    const QString info = ask(QStringLiteral("xwininfo"), w);
    const auto field = [&](const char* name) {
        const QRegularExpression re(QLatin1String(name) + QLatin1String(":\\s+(-?\\d+)"));
        return re.match(info).captured(1).toInt();
    };
    const auto e =
        QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)"))
            .match(ask(QStringLiteral("xprop"), w, QStringLiteral("_NET_FRAME_EXTENTS")));
    return {QRect(field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
                  field("Height")),
            QMargins(e.captured(1).toInt(), e.captured(3).toInt(), e.captured(2).toInt(),
                     e.captured(4).toInt())};
}

QImage grab(const QWidget* w) {
    const QPoint at = w->mapToGlobal(QPoint(0, 0));
    return w->screen()->grabWindow(0, at.x(), at.y(), w->width(), w->height()).toImage();
}

// The mouse as the window system reports it, at a point of a widget.
void mouse(QTest::MouseAction action, QWidget* w, QPoint at) {
    QTest::mouseEvent(action, w->window()->windowHandle(), Qt::LeftButton, {},
                      w->mapTo(w->window(), at));
}

// A double click on a child window's title bar, which maximises it.
void doubleClickTitle(QWidget* form) {
    const QPoint title(form->parentWidget()->width() / 2, form->y() / 2);
    mouse(QTest::MouseMove, form->parentWidget(), title);
    mouse(QTest::MouseDClick, form->parentWidget(), title);
}

// Restore, from a maximised child window's system menu.
void restore(QWidget* form) {
    for (QAction* a : static_cast<QMdiSubWindow*>(form->parentWidget())->systemMenu()->actions())
        if (a->text() == QLatin1String("&Restore")) a->trigger();
}
} // namespace

class TestDesktop : public QObject {
    Q_OBJECT
    template <class T = QPushButton> T* find(const char* window, const char* name) {
        QWidget* w = p->rt->loadedForm(QString::fromLatin1(window));
        return w ? w->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    }
    QWidget* form(const char* name) { return p->rt->loadedForm(QString::fromLatin1(name)); }
    std::unique_ptr<TestProgram> p;

  private slots:
    void init() { p = std::make_unique<TestProgram>(); }
    void cleanup() { p.reset(); }

    void windowsLandWhereTheyBelong() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        bool splashChecked = false;
        p->scripted.clock.at(1.0, [&] {
            QWidget* splash = form("frmSplash")->window();
            // Centred, in an edge of its own that stands out from its panel.
            QTRY_VERIFY(ask(QStringLiteral("xwininfo"), splash).contains("IsViewable"));
            QTRY_VERIFY(grab(splash).pixelColor(0, 100) != grab(splash).pixelColor(4, 100));
            QVERIFY((placed(splash).outer().center() - screen.center()).manhattanLength() <= 1);
            splashChecked = true;
        });
        p->start();
        QVERIFY(splashChecked);
        // The frame's outer edge, title bar included, at left 400, top 0, 11180 by 8800 twips.
        QTRY_COMPARE(placed(form("Zelta")).outer(), QRect(px(400), 0, px(11180), px(8800)));
        QVERIFY(screen.contains(placed(form("Zelta")).outer()));
        // The About box's client area at left 2340, top 1935 twips.
        find<QAction>("Sierpinski", "hlp_About")->trigger();
        QTRY_COMPARE(placed(form("frmAbout")).client.topLeft(), QPoint(px(2340), px(1935)));
    }

    // Only load handlers set a window's state: showing a window again keeps the one the user
    // gave it.
    void userStateKeptAcrossHideAndShow() {
        p->start();
        QVERIFY(QTest::qWaitForWindowExposed(form("Zelta")));
        doubleClickTitle(form("intro"));
        QVERIFY(form("intro")->parentWidget()->isMaximized());
        find("intro", "cmd_logistic")->click();
        p->scripted.dialogs.answer(IDYES);
        find("logistic", "cmd_exit")->click();
        QVERIFY(form("intro")->isVisible() && form("intro")->parentWidget()->isMaximized());

        find("intro", "cmd_logistic")->click();
        QVERIFY(form("logistic")->parentWidget()->isMaximized());
        restore(form("logistic"));
        QVERIFY(!form("logistic")->parentWidget()->isMaximized());
        find<QAction>("logistic", "menu_sierp")->trigger();
        find<QAction>("Sierpinski", "menu_log")->trigger();
        QVERIFY(form("logistic")->isVisible() && !form("logistic")->parentWidget()->isMaximized());
    }

    void onlyTheChooserResizesByItsEdge_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("resizes");
        QTest::newRow("chooser") << "intro" << true;
        QTest::newRow("sieve") << "Sierpinski" << false;
        QTest::newRow("logistic") << "logistic" << false;
    }
    void onlyTheChooserResizesByItsEdge() {
        QFETCH(QString, window);
        QFETCH(bool, resizes);
        p->start();
        QVERIFY(QTest::qWaitForWindowExposed(form("Zelta")));
        if (window != "intro") {
            find("intro", window == "logistic" ? "cmd_logistic" : "cmd_sierp")->click();
            restore(form(qPrintable(window))); // a maximised window has no edge to drag
        }
        QWidget* sub = form(qPrintable(window))->parentWidget();
        const QSize before = sub->size();
        QVERIFY(!sub->isMaximized());
        const QPoint edge(sub->width() - 2, sub->height() / 2), dragged = edge - QPoint(60, 0);
        mouse(QTest::MouseMove, sub, edge);
        mouse(QTest::MousePress, sub, edge);
        mouse(QTest::MouseMove, sub, dragged);
        mouse(QTest::MouseRelease, sub, dragged);
        QCOMPARE(sub->size() != before, resizes);
    }

    // The flash reaches the screen itself, four pixels wide in the exclusive-or colour: held
    // for the pause, or at no pause until the run's next yield puts the dot in its place.
    void flashOnTheScreen_data() {
        QTest::addColumn<int>("pause");
        QTest::addColumn<QRgb>("colour");
        // Seen at the first step's yield, or while the start point's flash is held.
        QTest::newRow("no pause, first step in green") << 0 << 0x00FF00u;
        QTest::newRow("a second, start point in cyan") << 1000 << 0x00FFFFu;
    }
    void flashOnTheScreen() {
        QFETCH(int, pause);
        QFETCH(QRgb, colour);
        p->start();
        find("intro", "cmd_sierp")->click();
        find<QScrollBar>("Sierpinski", "hsb_speed")->setValue(pause);
        QWidget* area = find<QWidget>("Sierpinski", "pb_screen");
        // Framed, placed and painted: the empty area is on the screen.
        const QColor paper = toQColor(SysWindowBackground);
        QTRY_COMPARE(grab(area).pixelColor(area->width() / 2, area->height() / 2), paper);
        QImage shot;
        const auto look = [&] {
            if (shot.isNull()) shot = grab(area);
        };
        if (pause > 0) p->scripted.clock.whileAsleep = look;
        p->rt->setYieldHook([&] {
            look();
            p->scripted.dialogs.answer(IDYES);
            find("Sierpinski", "cmd_finish")->click();
        });
        find("Sierpinski", "cmd_iter")->click();
        const QRgb flash = paper.rgb() ^ colour;
        int flashed = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                flashed += shot.pixel(x, y) == flash;
        QCOMPARE(flashed, 16);
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
