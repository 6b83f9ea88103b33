// Every control of every window can be found by name: by assistive technology through
// its accessible name, by code and tests through its objectName; and every label shows
// all of its text with the fonts the program is laid out in.
#include "runtime/controls.h"
#include "tests/support/program.h"

#include <QAccessible>
#include <QMenu>
#include <QtTest>

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
    void cleanup() {
        QVERIFY2(leftoverWindows().isEmpty(), qPrintable(leftoverWindows().join(", ")));
    }

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
        for (const char* name :
             {"Zelta", "intro", "logistic", "Sierpinski", "frmAbout", "Diagram"}) {
            Form* form = p.rt->form(QString::fromLatin1(name));
            if (!form) continue;
            faults << unnamed(form) << overflowing(form);
            ++checked;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QVERIFY(checked >= 6);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
