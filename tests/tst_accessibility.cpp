// Every control of every window can be found by name: by assistive technology through
// its accessible name, by code and tests through its objectName; and every label shows
// all of its text with the fonts the program is laid out in.
#include "tests/support/program.h"

#include <QAccessible>
#include <QMenu>
#include <QtTest>

#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/picturebox.h"

using namespace zr;

// Shapes and lines only decorate; everything else a user can see or use is a control.
static bool isControl(QWidget* w) {
    return qobject_cast<CommandButton*>(w) || qobject_cast<Label*>(w) ||
           qobject_cast<HScrollBar*>(w) || qobject_cast<Panel*>(w) ||
           qobject_cast<PictureBox*>(w) || qobject_cast<ImageBox*>(w);
}

static Form* owner(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* f = qobject_cast<Form*>(p)) return f;
    return nullptr;
}

static void namesInMenu(QMenu* menu, const QString& form, QStringList& faults) {
    if (menu->objectName().isEmpty()) faults << form + ": a menu without a name";
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || action->property("windowListEntry").toBool()) continue;
        if (action->menu()) {
            namesInMenu(action->menu(), form, faults);
            continue;
        }
        if (action->objectName().isEmpty())
            faults << form + ": menu item " + action->text() + " without a name";
        if (!action->text().contains(QLatin1Char('&')))
            faults << form + "/" + action->objectName() + ": no access key";
    }
}

static QStringList unnamed(Form* form) {
    QStringList faults;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!isControl(w) || owner(w) != form) continue;
        const QString where = form->objectName() + "/" + w->objectName();
        if (w->objectName().isEmpty()) faults << form->objectName() + ": a control without a name";
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        const QString name = a ? a->text(QAccessible::Name) : QString();
        if (name.trimmed().isEmpty()) faults << where + ": no accessible name";
        // Buttons and labels are found by what they say.
        QString caption;
        if (auto* b = qobject_cast<CommandButton*>(w))
            caption = QString(b->text()).remove(QLatin1Char('&')).simplified();
        else if (auto* l = qobject_cast<Label*>(w))
            caption = l->text().simplified();
        if (!caption.isEmpty() && name.simplified() != caption)
            faults << where + ": named \"" + name + "\", not by its caption";
    }
    for (QMenu* menu : form->menus())
        namesInMenu(menu, form->objectName(), faults);
    return faults;
}

// Each label's text, wrapped as the label wraps it, in the label's font, fits the label.
static QStringList overflowing(Form* form) {
    QStringList faults;
    for (QLabel* l : form->findChildren<QLabel*>()) {
        if (l->text().isEmpty() || owner(l) != form) continue;
        const QRect room = l->contentsRect();
        const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
        const QSize need = l->fontMetrics().boundingRect(room, flags, l->text()).size();
        if (need.width() > room.width() || need.height() > room.height())
            QDebug(&faults.emplace_back()) << form->objectName() << l->objectName() << need << room;
    }
    return faults;
}

class TestAccessibility : public QObject {
    Q_OBJECT
  private slots:
    void everyControlIsNamedAndEveryLabelFits() {
        TestProgram p;
        QStringList faults;
        int checked = 0;
        // The splash only lives during the start-up wait.
        p.scripted.clock.at(1.0, [&] {
            faults << unnamed(p.rt->loadedForm(QStringLiteral("frmSplash")));
            faults << overflowing(p.rt->loadedForm(QStringLiteral("frmSplash")));
            ++checked;
        });
        p.start();
        for (const char* name : {"Zelta", "intro", "logistic", "Sierpinski", "frmAbout"}) {
            Form* form = p.rt->form(QString::fromLatin1(name));
            if (!form) continue;
            faults << unnamed(form) << overflowing(form);
            ++checked;
        }
        // Areas and bars say nothing themselves: their names describe them.
        const QList<QStringList> described{{"Sierpinski", "pb_screen", "Drawing area"},
                                           {"Sierpinski", "hsb_speed", "Pause interval"},
                                           {"logistic", "pb_graph", "Graph screen"},
                                           {"logistic", "pb_values", "Values screen"},
                                           {"logistic", "hsb_speed", "Pause interval"},
                                           {"logistic", "hsb_x0", "Starting value x0"}};
        for (const QStringList& d : described) {
            auto* w = p.rt->form(d[0])->findChild<QWidget*>(d[1]);
            QVERIFY2(w, qPrintable(d[1]));
            QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), d[2]);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QVERIFY(checked >= 5);
    }

    void tabOrderFollowsTheDesign_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("order");
        const auto row = [](const char* name, const char* form, const char* order) {
            QTest::newRow(name) << form << QString(order).split(' ');
        };
        row("chooser", "intro", "cmd_logistic cmd_sierp cmd_exit");
        row("sieve", "Sierpinski",
            "pb_screen cmd_cls cmd_vert cmd_iter cmd_pause cmd_print cmd_finish cmd_exit "
            "cmd_ratio hsb_speed CommonDialog1");
        row("logistic", "logistic",
            "pb_graph cmd_clear cmd_k cmd_draw cmd_x0 cmd_start cmd_pause cmd_tidy cmd_finish "
            "cmd_exit hsb_speed hsb_x0 pb_values");
        row("about", "frmAbout", "cmdOK cmdSysInfo");
    }

    // Tab moves through the window's controls that take the focus in the design's order and
    // comes back round to the first.
    void tabOrderFollowsTheDesign() {
        QFETCH(QString, form);
        QFETCH(QStringList, order);
        TestProgram p;
        p.start();
        Form* f = p.rt->form(form);
        QVERIFY(f);
        auto* first = f->findChild<QWidget*>(order.first());
        QVERIFY(first);
        QStringList visited;
        QWidget* w = first;
        do {
            if (owner(w) == f && isControl(w) && (w->focusPolicy() & Qt::TabFocus))
                visited << w->objectName();
            w = w->nextInFocusChain();
        } while (w != first && visited.size() <= order.size());
        QCOMPARE(visited, order);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
