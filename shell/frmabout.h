// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The About box: title, version, what the program is for, and a button that starts the
// system's own information tool.
#pragma once

#include "runtime/controls.h"
#include "runtime/form.h"

#include <array>
#include <cstdint>

class QLabel;

class frmAbout : public zr::Form {
    Q_OBJECT
  public:
    static inline const QString Name = QStringLiteral("frmAbout");
    static inline const QString Unavailable =
        QStringLiteral("System Information Is Unavailable At This Time");
    // The access asked for when a key is opened.
    static constexpr std::uint32_t KeyAccess = 0x2003F;

    explicit frmAbout(zr::Runtime& rt);

  protected:
    void Form_Load() override;
    void keyPressEvent(QKeyEvent* event) override;

  private slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();

  private:
    zr::CommandButton* cmdOK;
    QLabel* picIcon;
    zr::CommandButton* cmdSysInfo;
    zr::Label* lblDescription;
    zr::Label* lblDisclaimer;
    zr::Label* lblTitle;
    zr::Label* lblVersion;
    // The etched separator: a grey line with a white one just below it.
    std::array<zr::LineShape*, 2> Line1;

    // Finds the system-information tool through the key store and starts it, or tells the
    // user that it cannot.
    void StartSysInfo();
    // Reads the value `SubKeyRef` of the key `KeyName` under `KeyRoot` into `KeyVal` as
    // text. False, leaving `KeyVal` as it was, when the key or the value is missing or the value
    // is larger than 1024 bytes. A value that reports no data at all is an error that ends
    // the lookup (thrown as std::runtime_error).
    bool GetKeyValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                     QString& KeyVal);
};
