// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/frmsplash.h"

#include "shell/artwork.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

using namespace zr;

frmSplash::frmSplash(Runtime& rt) : Form(rt, Name, Kind::TopLevel) {
    // No title bar and no task bar entry: a panel in a fixed dialog edge, in the middle of
    // the screen.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(px(7380), px(4245));
    setBorder(Border::FixedDialog);
    setFocusPolicy(Qt::StrongFocus);

    Frame1 = new Panel(this, QStringLiteral("Frame1"), QStringLiteral("Splash panel"),
                       {150, 60, 7080, 4050});
    imgLogo = new ImageBox(Frame1, QStringLiteral("imgLogo"), QStringLiteral("Zelta logo"),
                           {360, 795, 1815, 2385});
    imgLogo->setPicture(artwork::cobweb());
    lblAuthor = new Label(Frame1, QStringLiteral("lblAuthor"), QStringLiteral("The Zelta team"),
                          {2355, 705, 2985, 435});
    lblAuthor->setFont(layoutFont(QStringLiteral("Arial"), 18, true));
    lblAuthor->setAutoSize(true);
    lblProductName = new Label(Frame1, QStringLiteral("lblProductName"), QStringLiteral("Zelta"),
                               {2520, 1140, 1965, 765});
    lblProductName->setFont(layoutFont(QStringLiteral("Arial"), 32.25, true));
    lblProductName->setAutoSize(true);
    lblPlatform = new Label(Frame1, QStringLiteral("lblPlatform"), QStringLiteral("Windows 95+"),
                            {4845, 2340, 2010, 360});
    lblPlatform->setFont(layoutFont(QStringLiteral("Arial"), 15.75, true));
    lblPlatform->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblPlatform->setAutoSize(true);
    lblVersion = new Label(Frame1, QStringLiteral("lblVersion"), QStringLiteral("Version"),
                           {5970, 2700, 885, 285});
    lblVersion->setFont(layoutFont(QStringLiteral("Arial"), 12, true));
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblVersion->setAutoSize(true);
    lblCopyright = new Label(Frame1, QStringLiteral("lblCopyright"),
                             QStringLiteral("Mathematics in motion"), {4560, 3060, 2415, 255});
    lblDate = new Label(Frame1, QStringLiteral("lblDate"), QStringLiteral("December 2026"),
                        {4560, 3270, 2415, 255});
    lblWarning = new Label(Frame1, QStringLiteral("lblWarning"),
                           QStringLiteral("Warning: The author accepts no liability for the "
                                          "interpretation of mathematical terms by the user"),
                           {150, 3660, 6855, 390});
    for (Label* small : {lblCopyright, lblDate, lblWarning})
        small->setFont(layoutFont(QStringLiteral("Arial"), 8.25));
}

void frmSplash::Form_Load() {
    lblVersion->setCaption(AppInfo::versionText());
    lblProductName->setCaption(AppInfo::title);
}

void frmSplash::centre() {
    // The whole window, edge included, is centred.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        outer()->move(screen->geometry().center() - outer()->rect().center());
}

void frmSplash::showEvent(QShowEvent* event) {
    centre();
    Form::showEvent(event);
    activateWindow();
    setFocus();
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    // Any key that gives a character, whichever control has the focus.
    if (event->text().isEmpty()) return Form::keyPressEvent(event);
    const int key = event->text().front().unicode();
    run([this, key] { Form_KeyPress(key); });
}

void frmSplash::Form_KeyPress(int) {
    rt().unload(Name);
    rt().show(QStringLiteral("Zelta"));
}

void frmSplash::Frame1_Click() {
    rt().unload(Name);
}
