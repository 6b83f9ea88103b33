// Every control of every window can be found by name: by assistive technology through
// its accessible name, by code and tests through its objectName; and every label shows
// all of its text with the fonts the program is laid out in.
#include "tests/support/program.h"

#include <QAccessible>
#include <QMenu>

using namespace zr;

namespace {
// A menu or menu item without a name or an access key, a control without a name or named
// otherwise than its caption, a label whose wrapped text does not fit it.
QStringList faults(Form* form) {
    QStringList faults;
    for (const QMenu* menu : form->menus())
        for (const QAction* a : menu->findChildren<QAction*>()) { // items, submenus, itself
            const QObject* item = a->menu() ? static_cast<QObject*>(a->menu()) : a;
            if (a->isSeparator() || a->property("windowListEntry").toBool()) continue;
            if (item->objectName().isEmpty() || !a->text().contains('&'))
                faults << form->objectName() + ": menu item " + a->text();
        }
    for (QWidget* w : form->findChildren<QWidget*>()) {
        auto* label = qobject_cast<Label*>(w);
        auto* button = qobject_cast<CommandButton*>(w);
        if (!label && !button && !qobject_cast<HScrollBar*>(w) && !qobject_cast<Panel*>(w) &&
            !qobject_cast<PictureBox*>(w) && !qobject_cast<ImageBox*>(w))
            continue; // shapes and lines only decorate
        const QString where = form->objectName() + "/" + w->objectName() + ": ";
        const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        QString caption = label ? label->text() : button ? button->text().remove('&') : name;
        if (caption.isEmpty()) caption = name; // a picture button
        if (w->objectName().isEmpty() || name.trimmed().isEmpty() ||
            name.simplified() != caption.simplified())
            faults << where + "named \"" + name + "\"";
        if (!label || label->text().isEmpty()) continue;
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QSize need = label->fontMetrics().boundingRect(room, flags, label->text()).size();
        if (need.width() > room.width() || need.height() > room.height())
            QDebug(&faults.emplace_back(where)) << need << "in" << room;
    }
    return faults;
}
} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        QVERIFY2(leftoverWindows().isEmpty(), qPrintable(leftoverWindows().join(", ")));
    }

    // Each window on its own: the frame holds no control of its own, only the others.
    void everyControlIsNamedAndEveryLabelFits() {
        TestProgram p;
        QStringList found;
        // The splash lives only during the start-up wait.
        p.scripted.clock.at(1.0, [&] { found << "splash" << faults(p.window("frmSplash")); });
        p.start();
        for (const char* name : {"intro", "logistic", "Sierpinski", "frmAbout", "Diagram"})
            found << faults(p.rt->form(name));
        QVERIFY2(found == QStringList{"splash"}, qPrintable(found.join('\n')));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
