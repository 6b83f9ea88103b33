// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/intro.h"

#include "shell/artwork.h"

using namespace zr;

namespace {
constexpr Colour PaleYellow = 0xC0FFFF;
}

intro::intro(Runtime& rt) : Form(rt, Name, Kind::Child) {
    setCaption(QString());
    setBackColor(SysDesktop);
    setWindowIcon(artwork::cobwebIcon());

    lbl_welcome =
        new Label(this, QStringLiteral("lbl_welcome"),
                  QStringLiteral("Welcome to the ZELTA program suite "), {615, 330, 9585, 780});
    lbl_welcome->setBackColor(Cyan);
    lbl_welcome->setForeColor(Red);
    lbl_welcome->setFont(layoutFont(QStringLiteral("Arial"), 24, true));
    lbl_welcome->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    buildPanel(Picture1, lbl_logistic, cmd_logistic, QStringLiteral("1"), 615,
               QStringLiteral("Click below to choose the LOGISTIC MAPPING program"), Blue,
               artwork::cobweb(), QStringLiteral("Logistic mapping"));
    cmd_logistic->setObjectName(QStringLiteral("cmd_logistic"));
    lbl_logistic->setObjectName(QStringLiteral("lbl_logistic"));
    buildPanel(Picture2, lbl_sierp, cmd_sierp, QStringLiteral("2"), 5760,
               QStringLiteral("Click below to choose the SIERPINSKI SIEVE program"), 0x00C000,
               artwork::sierpinski(), QStringLiteral("Sierpinski sieve"));
    cmd_sierp->setObjectName(QStringLiteral("cmd_sierp"));
    lbl_sierp->setObjectName(QStringLiteral("lbl_sierp"));

    cmd_exit = new CommandButton(this, QStringLiteral("cmd_exit"), QStringLiteral("FINISH"),
                                 {615, 6480, 9615, 525});
    cmd_exit->setGraphical(Red);
    cmd_exit->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 12, true));
}

// One of the two mirrored program panels: the explanation above its picture button.
void intro::buildPanel(Panel*& panel, Label*& label, CommandButton*& button, const QString& suffix,
                       double left, const QString& text, Colour textColour, const QImage& picture,
                       const QString& buttonName) {
    panel = new Panel(this, QStringLiteral("Picture") + suffix,
                      buttonName + QStringLiteral(" panel"), {left, 1860, 4455, 4425});
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setBackColor(PaleYellow);
    // Controls inside a picture area are placed from its inner edge, inside the border.
    label = new Label(panel, QString(), text, {555 + 30, 345 + 30, 3270, 2790});
    label->setBackColor(PaleYellow);
    label->setForeColor(textColour);
    label->setFont(layoutFont(QStringLiteral("Arial"), 24, true));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    button = new CommandButton(panel, QString(), QString(), {210 + 30, 3255 + 30, 4005, 825});
    button->setPicture(picture);
    button->setAccessibleName(buttonName);
}

void intro::Form_Load() {
    setTopTw(0);
    setWidthTw(11000);
    setHeightTw(7600);
    setLeftTw(0);
    Show();
}

void intro::cmd_logistic_Click() {
    Hide();
    rt().show(QStringLiteral("logistic"));
}

void intro::cmd_sierp_Click() {
    Hide();
    rt().show(QStringLiteral("Sierpinski"));
}

void intro::cmd_exit_Click() {
    if (rt().msgBox(QStringLiteral("Do you really want to finish with Zelta?"),
                    MB_YESNO | MB_QUESTION, QStringLiteral("Finish")) == IDYES)
        rt().end();
}
