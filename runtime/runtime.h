// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's windows, addressed by name, and the services they share.
#pragma once

#include "runtime/services.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

namespace zr {

class Form;
class MdiForm;

struct Services {
    Dialogs* dialogs = nullptr;
    Clock* clock = nullptr;
    Random* random = nullptr;
    Printer* printer = nullptr;
    Launcher* launcher = nullptr;
    KeyStore* store = nullptr;
    Ender* ender = nullptr;
};

struct AppInfo {
    static inline const QString title = QStringLiteral("ZELTA");
    // From the build's project version.
    static constexpr int major = ZELTA_VERSION_MAJOR;
    static constexpr int minor = ZELTA_VERSION_MINOR;
    static constexpr int revision = ZELTA_VERSION_PATCH;
    // "Version 1.1.0"
    static QString versionText();
};

class Runtime : public QObject {
    Q_OBJECT
  public:
    explicit Runtime(const Services& services, QObject* parent = nullptr);
    ~Runtime() override;

    Dialogs& dialogs() const { return *services_.dialogs; }
    Clock& clock() const { return *services_.clock; }
    Random& random() const { return *services_.random; }
    Printer& printer() const { return *services_.printer; }
    Launcher& launcher() const { return *services_.launcher; }
    KeyStore& store() const { return *services_.store; }

    // Message box with the application title when `title` is empty.
    int msgBox(const QString& text, int style = MB_OK, const QString& title = QString());
    QString inputBox(const QString& prompt, const QString& title = QString(),
                     const QString& defaultText = QString());

    // Handles every pending event, then returns.
    void yield();
    // Handles events as they come for up to `maxSeconds`, sleeping while none is pending:
    // how a paused run or the start-up wait lets the user act without spinning.
    void idle(double maxSeconds);
    // Tests hook in here to act at a given point of a run, as a user's click inside the
    // run's yield would.
    void setYieldHook(std::function<void()> hook) { yieldHook_ = std::move(hook); }

    // Windows. Each name stands for one window; referring to a window that is not loaded
    // loads it (creates it hidden and runs its load handler once). Once the frame has been
    // unloaded the program is over and no window is loaded again: the form is null then.
    using Factory = std::function<Form*(Runtime&)>;
    void registerForm(const QString& name, Factory factory);
    // The frame that holds the child windows; loaded before the first child.
    void setFrameName(const QString& name) { frameName_ = name; }
    Form* form(const QString& name);
    template <class T> T* form(const QString& name) { return dynamic_cast<T*>(form(name)); }
    Form* loadedForm(const QString& name) const;
    template <class T> T* loadedForm(const QString& name) const {
        return dynamic_cast<T*>(loadedForm(name));
    }
    bool isLoaded(const QString& name) const { return loadedForm(name) != nullptr; }
    bool anyLoaded() const;
    void show(const QString& name);
    void hide(const QString& name);
    // Unloading a window that is not loaded does nothing.
    void unload(const QString& name);

    // Ends the program at once. Returns only when the ender is scripted (tests), after
    // every window has been unloaded so that no run goes on.
    void end();

  signals:
    // No window of the program is loaded any more: the program is over.
    void allUnloaded();

  private:
    Services services_;
    QString frameName_;
    QHash<QString, Factory> factories_;
    QHash<QString, QPointer<Form>> loaded_;
    std::function<void()> yieldHook_;
    int unloading_ = 0;
    // The frame has been unloaded, or the program ended: nothing is loaded any more.
    bool over_ = false;
};

} // namespace zr
