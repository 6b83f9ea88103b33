// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame: a multiple-document parent whose child windows live in its client area and
// whose menu bar shows the menus of the active child.
#pragma once

#include "runtime/form.h"

class QMdiArea;
class QMenuBar;

namespace zr {

class MdiForm : public Form {
    Q_OBJECT
  public:
    MdiForm(Runtime& rt, const QString& name);
    ~MdiForm() override;

    QMdiArea* area() const { return area_; }
    QMenuBar* menuBar() const { return menuBar_; }
    // Child windows that are loaded and shown, in the order the frame stacks them.
    QList<Form*> shownChildren() const;
    Form* activeChild() const;
    // Makes `menu` list the shown child windows below its own items each time it opens;
    // choosing one brings that window to the front.
    void attachWindowList(QMenu* menu);

  protected:
    void beginUnload() override;

  private:
    friend class Runtime;
    friend class Form;
    void adopt(Form* child);
    void activate(Form* child);
    void updateMenus();
    void fillWindowList(QMenu* menu);

    QMdiArea* area_;
    QMenuBar* menuBar_;
};

} // namespace zr
