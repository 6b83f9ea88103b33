// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame window: holds the chooser and the two program windows.
#pragma once

#include "runtime/mdiform.h"

class Zelta : public zr::MdiForm {
    Q_OBJECT
  public:
    static inline const QString Name = QStringLiteral("Zelta");
    explicit Zelta(zr::Runtime& rt);

  protected:
    void Form_Load() override { MDIForm_Load(); }

  private:
    void MDIForm_Load();
};
