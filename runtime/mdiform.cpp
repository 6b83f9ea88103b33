// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/mdiform.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace zr {

namespace {
// Every sub-window holds the window it was made for; there may be no current one.
Form* formOf(QMdiSubWindow* sub) {
    return sub ? static_cast<Form*>(sub->widget()) : nullptr;
}
} // namespace

MdiForm::MdiForm(Runtime& rt, const QString& name) : Form(rt, name, Kind::Frame) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    menuBar_ = new QMenuBar(this);
    menuBar_->hide();
    layout->setMenuBar(menuBar_);
    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("clientArea"));
    area_->setAccessibleName(QStringLiteral("Client area"));
    // Its own background is the palette's dark shade: the desktop's application workspace.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Each child keeps the state its own window asks for when it comes to the front.
    area_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    layout->addWidget(area_);
    connect(area_, &QMdiArea::subWindowActivated, this, [this] { updateMenus(); });
}

MdiForm::~MdiForm() {
    // Hiding the children below tells the client area to activate another one; by then
    // this object is no longer a frame, so its menus must not be rebuilt.
    area_->disconnect(this);
    // A child whose handler is still running (a run unloaded together with the frame)
    // must outlive the frame: it leaves as a hidden window and deletes itself when its
    // handler returns.
    for (QMdiSubWindow* sub : area_->subWindowList()) {
        if (formOf(sub)->busy_ > 0) area_->removeSubWindow(sub); // which hides it, parentless
    }
}

void MdiForm::adopt(Form* child) {
    // Its close box asks the window, which always refuses and unloads instead: the frame
    // never closes or deletes the sub-window itself.
    auto* sub = new QMdiSubWindow;
    sub->setWidget(child);
    area_->addSubWindow(sub); // hidden until its window is shown
    child->sub_ = sub;
    child->frame_ = this;
    child->applySubWindowBorder();
    if (child->windowListMenu_) attachWindowList(child->windowListMenu_);
}

QList<Form*> MdiForm::shownChildren() const {
    QList<Form*> shown;
    for (QMdiSubWindow* sub : area_->subWindowList(QMdiArea::CreationOrder)) {
        Form* f = formOf(sub);
        if (!f->isUnloaded() && !sub->isHidden()) shown.append(f);
    }
    return shown;
}

Form* MdiForm::activeChild() const {
    Form* current = formOf(area_->currentSubWindow());
    if (current && !current->isUnloaded() && current->isShown()) return current;
    const auto stack = area_->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        Form* f = formOf(*it);
        if (!f->isUnloaded() && f->isShown()) return f;
    }
    return nullptr;
}

void MdiForm::activate(Form* child) {
    if (!child->sub_) return;
    area_->setActiveSubWindow(child->sub_);
    updateMenus();
}

void MdiForm::updateMenus() {
    Form* owner = activeChild();
    menuBar_->clear();
    if (owner)
        for (QMenu* menu : owner->menus())
            menuBar_->addMenu(menu);
    menuBar_->setVisible(owner && !owner->menus().isEmpty());
}

void MdiForm::attachWindowList(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { fillWindowList(menu); });
}

void MdiForm::fillWindowList(QMenu* menu) {
    static const char* const entry = "windowListEntry";
    for (QAction* action : menu->actions())
        if (action->property(entry).toBool()) delete action;
    const QList<Form*> shown = shownChildren();
    if (shown.isEmpty()) return;
    QAction* separator = menu->addSeparator();
    separator->setProperty(entry, true);
    Form* active = activeChild();
    for (int i = 0; i < shown.size(); ++i) {
        Form* f = shown[i];
        QString caption = f->caption();
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* action = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption));
        action->setProperty(entry, true);
        action->setCheckable(true);
        action->setChecked(f == active);
        QPointer<Form> target = f;
        connect(action, &QAction::triggered, this, [target] {
            if (target) target->Show();
        });
    }
}

void MdiForm::beginUnload() {
    // The frame takes its child windows with it.
    for (QMdiSubWindow* sub : area_->subWindowList()) {
        Form* f = formOf(sub);
        if (rt().loadedForm(f->objectName()) == f) rt().unload(f->objectName());
    }
    Form::beginUnload();
}

} // namespace zr
