// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The chooser: opens one of the two programs, or ends the whole program.
#pragma once

#include "runtime/controls.h"
#include "runtime/form.h"

class intro : public zr::Form {
    Q_OBJECT
  public:
    static inline const QString Name = QStringLiteral("intro");
    explicit intro(zr::Runtime& rt);

  protected:
    void Form_Load() override;

  private slots:
    void cmd_logistic_Click();
    void cmd_sierp_Click();
    void cmd_exit_Click();

  private:
    zr::Label* lbl_welcome;
    zr::Panel* Picture1;
    zr::Label* lbl_logistic;
    zr::CommandButton* cmd_logistic;
    zr::Panel* Picture2;
    zr::Label* lbl_sierp;
    zr::CommandButton* cmd_sierp;
    zr::CommandButton* cmd_exit;

    void buildPanel(zr::Panel*& panel, zr::Label*& label, zr::CommandButton*& button,
                    const QString& suffix, double left, const QString& text, zr::Colour textColour,
                    const QImage& picture, const QString& buttonName);
};
