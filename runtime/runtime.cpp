// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/runtime.h"

#include "runtime/form.h"
#include "runtime/mdiform.h"

#include <QCoreApplication>

namespace zr {

QString AppInfo::versionText() {
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

Runtime::Runtime(const Services& services, QObject* parent)
    : QObject(parent), services_(services) {}

Runtime::~Runtime() {
    // Whatever is still loaded goes with the runtime; no handler of it can be running
    // once the runtime's owner is being torn down.
    const auto forms = loaded_.values();
    loaded_.clear();
    for (const QPointer<Form>& f : forms)
        if (f && f->kind() == Form::Kind::Child) delete f->outer();
    for (const QPointer<Form>& f : forms)
        if (f) delete f->outer();
}

int Runtime::msgBox(const QString& text, int style, const QString& title) {
    return dialogs().messageBox(text, style, title.isEmpty() ? AppInfo::title : title);
}

QString Runtime::inputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    return dialogs().inputBox(prompt, title.isEmpty() ? AppInfo::title : title, defaultText);
}

void Runtime::yield() {
    if (yieldHook_) yieldHook_();
    clock().waitForEvents(0);
}

void Runtime::idle(double maxSeconds) {
    if (yieldHook_) yieldHook_();
    clock().waitForEvents(maxSeconds);
}

void Runtime::registerForm(const QString& name, Factory factory) {
    factories_.insert(name, std::move(factory));
}

Form* Runtime::form(const QString& name) {
    if (Form* f = loadedForm(name)) return f;
    // A handler still going after the end (its message box answered, its yield returned)
    // must not bring the frame back or run the start-up a second time.
    if (over_) return nullptr;
    const auto factory = factories_.constFind(name);
    if (factory == factories_.constEnd()) {
        qWarning("No window is called %s", qPrintable(name));
        return nullptr;
    }

    Form* created = (*factory)(*this);
    MdiForm* frame = nullptr;
    if (created->kind() == Form::Kind::Child) {
        // The frame comes first: a child lives in its client area.
        frame = form<MdiForm>(frameName_);
        Form* f = loadedForm(name); // the frame's own load handler loaded it
        if (f || over_ || !frame) {
            delete created;
            return f;
        }
    }
    loaded_.insert(name, created);
    if (frame) frame->adopt(created);
    created->connectHandlersByName();
    created->run([created] { created->Form_Load(); });
    // Child windows are shown when they are loaded.
    if (frame && !created->isUnloaded()) created->Show();
    return created;
}

Form* Runtime::loadedForm(const QString& name) const {
    return loaded_.value(name).data();
}

bool Runtime::anyLoaded() const {
    for (const QPointer<Form>& f : loaded_)
        if (f) return true;
    return false;
}

void Runtime::show(const QString& name) {
    if (Form* f = form(name)) f->Show();
}

void Runtime::hide(const QString& name) {
    if (Form* f = form(name)) f->Hide();
}

void Runtime::unload(const QString& name) {
    QPointer<Form> f = loaded_.take(name);
    if (!f) return;
    if (name == frameName_) over_ = true;
    // A frame unloads its children from inside its own unload: the program is over
    // once, when the outermost unload finds nothing loaded.
    ++unloading_;
    f->beginUnload();
    --unloading_;
    if (unloading_ == 0 && !anyLoaded()) emit allUnloaded();
}

void Runtime::end() {
    // The desktop's ender ends the process here, its threads with it.
    if (services_.ender) services_.ender->endProgram();
    // Only a scripted ender comes back here: unload everything so that no run goes on.
    const auto names = loaded_.keys();
    for (const QString& name : names)
        unload(name);
}

} // namespace zr
