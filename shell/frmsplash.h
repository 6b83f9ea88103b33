// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The splash: product name, version and a disclaimer, shown during the start-up wait.
#pragma once

#include "runtime/controls.h"
#include "runtime/form.h"

class frmSplash : public zr::Form {
    Q_OBJECT
  public:
    static inline const QString Name = QStringLiteral("frmSplash");
    explicit frmSplash(zr::Runtime& rt);

  protected:
    void Form_Load() override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private slots:
    void Frame1_Click();

  private:
    zr::Panel* Frame1;
    zr::ImageBox* imgLogo;
    zr::Label* lblAuthor;
    zr::Label* lblProductName;
    zr::Label* lblPlatform;
    zr::Label* lblVersion;
    zr::Label* lblCopyright;
    zr::Label* lblDate;
    zr::Label* lblWarning;

    void centre();
    void Form_KeyPress(int KeyAscii);
};
