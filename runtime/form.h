// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A window of the program: its client area is this widget; a child window lives in a
// sub-window of the frame's client area, a top-level one stands alone on the desktop.
#pragma once

#include "runtime/runtime.h"
#include "runtime/units.h"

#include <QAbstractButton>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <initializer_list>
#include <optional>
#include <utility>

class QMdiSubWindow;
class QMenu;

namespace zr {

class MdiForm;

class Form : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { TopLevel, Child, Frame };
    enum State { Normal = 0, Maximised = 2 };
    // Sizable: the user can drag the edges. FixedSingle: a thin edge that cannot be dragged;
    // the title bar keeps its buttons. FixedDialog: a dialog's raised edge, fixed as well.
    enum class Border { Sizable, FixedSingle, FixedDialog };

    Form(Runtime& rt, const QString& name, Kind kind);
    ~Form() override;

    Runtime& rt() const { return rt_; }
    Kind kind() const { return kind_; }
    // True once the window has been unloaded; it may still finish a handler that was
    // going, but it is hidden and is deleted as soon as that handler returns.
    bool isUnloaded() const { return unloaded_; }

    // Shows the window modeless and brings it to the front. A loaded window comes back as
    // it was hidden, maximised or not: only a state set since then is applied.
    void Show();
    void Hide();
    // The window is shown (for a child: its sub-window is).
    bool isShown() const;
    void Unload();
    // Puts what has been drawn on the screen at once.
    void Refresh();

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    // Outer position and size in twips; a child's position is relative to the frame's
    // client area.
    int leftTw() const;
    int topTw() const;
    int widthTw() const;
    int heightTw() const;
    void setLeftTw(int twips);
    void setTopTw(int twips);
    void setWidthTw(int twips);
    void setHeightTw(int twips);
    // Normal or Maximised, as the user sees it (or as set to apply at the next show).
    int state() const;
    // Applies at once to a shown window, otherwise when it is next shown.
    void setState(int state);
    // A child's border is its sub-window's. A top-level window without a title bar (frameless
    // and of a fixed size, both set before) gets no edge at all from the window manager, so
    // it draws the edge itself, around its client area.
    void setBorder(Border border);
    Colour backColor() const { return backColor_; }
    void setBackColor(Colour colour);
    // The client area as it looks, to the printer.
    void printForm();

    // The sub-window of a child, the drawn edge of a window without a title bar, or the
    // window itself.
    QWidget* outer() const;
    QMdiSubWindow* subWindow() const { return sub_; }
    // The window's menu bar; the frame shows it while this window is active.
    const QList<QMenu*>& menus() const { return menus_; }

  protected:
    friend class Runtime;
    friend class MdiForm;

    virtual void Form_Load() {}
    // The window is being unloaded (its close box, or the frame closing): end a run that
    // is going in it, as its Finish would, so that no loop goes on in a dead window.
    virtual void stopRuns() {}
    virtual void beginUnload();

    // A top-level menu of this window's menu bar.
    QMenu* addMenu(const QString& name, const QString& caption);
    // The frame lists its shown child windows at the end of this menu.
    void setWindowListMenu(QMenu* menu) { windowListMenu_ = menu; }
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Runs `handler` as an event handler of this window: the window stays alive until the
    // handler returns, even when it is unloaded meanwhile.
    template <class F> void run(F&& handler) {
        Busy busy(this);
        std::forward<F>(handler)();
    }
    // Connects a signal to a handler that runs that way.
    template <class Sender, class Signal, class F>
    void on(Sender* sender, Signal signal, F handler) {
        connect(sender, signal, this, [this, handler] { run(handler); });
    }

  private:
    struct Busy {
        explicit Busy(Form* f);
        ~Busy();
        Form* form;
    };
    void deleteWhenIdle();
    // Connects each control's event to the handler named after it, as a loaded window's
    // handlers are: "<control>_Click()" for a button's, a menu item's or a frame's click,
    // "<control>_Change()" for a scroll bar's new value.
    void connectHandlersByName();
    // The outer rectangle as the window manager draws it (title bar and edges included), in
    // pixels: on the screen, or for a child in the frame's client area.
    QRect outerPx() const;
    void setOuterPx(const QRect& outer);
    // Moves or resizes the outer rectangle by one of its sides, given in twips.
    void changeOuter(void (QRect::*change)(int), int tw);
    void applySubWindowBorder();

    Runtime& rt_;
    Kind kind_;
    QMdiSubWindow* sub_ = nullptr;
    QWidget* edge_ = nullptr;
    QString caption_;
    std::optional<int> pendingState_;
    Border border_ = Border::Sizable;
    // Placed before the window manager framed the window: placed again once the frame's
    // margins are known.
    std::optional<QRect> wantedOuter_;
    Colour backColor_ = SysButtonFace;
    QList<QMenu*> menus_;
    QMenu* windowListMenu_ = nullptr;
    QPointer<MdiForm> frame_;
    int busy_ = 0;
    bool unloaded_ = false;
};

} // namespace zr
