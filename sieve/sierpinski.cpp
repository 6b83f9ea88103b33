// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The sieve window's layout, menus and start-up state.
#include "sieve/sierpinski.h"

#include "runtime/picturemenu.h"
#include "shell/artwork.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <cmath>

using namespace zr;

namespace {
constexpr Colour PaleCyan = 0xFFFFC0;

// A push button draws its text on one line; a caption too wide for the button is broken
// between words, as a command button shows it. The caption itself stays as it is.
void wrapFace(CommandButton* b) {
    const QFontMetrics fm(b->font());
    const int room = b->width() - 8;
    QStringList lines;
    for (const QString& word : b->caption().split(QLatin1Char(' '))) {
        if (!lines.isEmpty() && fm.horizontalAdvance(lines.last() + u' ' + word) <= room)
            lines.last() += u' ' + word;
        else
            lines.append(word);
    }
    b->setText(lines.join(QLatin1Char('\n')));
}

// Buttons and the explanation's labels take their design rows (left, top, width, height)
// and keep a window's own 8.25-point face.
CommandButton* button(QWidget* parent, const char* name, const QString& caption, double left,
                      double top, double width, double height) {
    auto* b =
        new CommandButton(parent, QString::fromLatin1(name), caption, {left, top, width, height});
    wrapFace(b);
    return b;
}

Label* explanation(QWidget* parent, const char* name, const QString& caption, double left,
                   double top, double width, double height) {
    auto* l = new Label(parent, QString::fromLatin1(name), caption, {left, top, width, height});
    l->setBackColor(PaleCyan);
    return l;
}
} // namespace

void Sierpinski::registerWindow(Runtime& rt) {
    rt.registerForm(Name, [](Runtime& r) { return new Sierpinski(r); });
}

Sierpinski::Sierpinski(Runtime& rt)
    : ProgramWindow(rt, Name, QStringLiteral("Do you want to finish with Sierpinski's Sieve?"),
                    QStringLiteral("0.00")) {
    setCaption(QStringLiteral("Sierpinski's Sieve"));
    setWindowIcon(artwork::sierpinskiIcon());
    buildControls();
    buildExplanation();
    buildMenus();
}

void Sierpinski::buildControls() {
    hsb_speed = new HScrollBar(this, QStringLiteral("hsb_speed"), QStringLiteral("Pause interval"),
                               {360, 6360, 1095, 255});
    hsb_speed->setRange(0, 1000, 10, 100);
    hsb_speed->setValue(1000);
    hsb_speed->setFocusPolicy(Qt::StrongFocus);

    cmd_ratio = button(this, "cmd_ratio", QStringLiteral("Enter ratio"), 360, 1680, 1095, 375);
    cmd_finish = button(this, "cmd_finish", QStringLiteral("Finish"), 360, 4080, 1095, 375);
    cmd_exit = button(this, "cmd_exit", QStringLiteral("EXIT"), 360, 4680, 1095, 375);
    cmd_exit->setGraphical(Red);
    cmd_print = button(this, "cmd_print", QStringLiteral("Print"), 360, 3480, 1095, 375);
    // Printing is offered to no one: the button stays unavailable for good.
    cmd_print->setEnabled(false);
    cmd_pause = button(this, "cmd_pause", QStringLiteral("Pause"), 360, 2880, 1095, 375);
    cmd_iter = button(this, "cmd_iter", QStringLiteral("Start iteration"), 360, 2280, 1095, 375);
    cmd_vert =
        button(this, "cmd_vert", QStringLiteral("Enter number of vertices"), 360, 840, 1095, 615);
    cmd_cls = button(this, "cmd_cls", QStringLiteral("Clear Screen"), 360, 240, 1095, 375);

    // An unused area from the design; it lies behind the drawing area's top edge.
    CommonDialog1 = new PictureBox(this, QStringLiteral("CommonDialog1"),
                                   QStringLiteral("Dialog area"), {3480, 0, 1200, 480});
    CommonDialog1->setFocusPolicy(Qt::TabFocus);

    pb_screen = new PictureBox(this, QStringLiteral("pb_screen"), QStringLiteral("Drawing area"),
                               {2040, 240, 6800, 6800});
    // One unit a pixel, y upwards, the polygon's centre in the middle of the area.
    pb_screen->setScale(-225, 225, 6740 / TwipsPerPixel, -6740 / TwipsPerPixel);
    pb_screen->setAutoRedraw(true);
    // A picture area's own colours, the window background and black, are the design's.
    pb_screen->setFocusPolicy(Qt::TabFocus);
    new PictureMenu(this, pb_screen);

    // Tab order by the design's tab indexes; labels and frames take no focus.
    const QList<QWidget*> order{pb_screen,  cmd_cls,  cmd_vert,  cmd_iter,  cmd_pause,    cmd_print,
                                cmd_finish, cmd_exit, cmd_ratio, hsb_speed, CommonDialog1};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Sierpinski::buildExplanation() {
    // The frames go first so that the labels they hold lie in front of them.
    Shape2 = new Shape(this, QStringLiteral("Shape2"), {9120, 240, 1575, 4815});
    Shape2->setFill(PaleCyan);
    Shape2->setAccessibleName(QStringLiteral("Explanation panel"));
    Shape1 = new Shape(this, QStringLiteral("Shape1"), {9120, 5160, 1575, 1815});
    Shape1->setAccessibleName(QStringLiteral("Counter frame"));

    lbl_para4 = explanation(this, "lbl_para4",
                            QStringLiteral("(d) Repeat steps        (b) and (c) indefinitely"),
                            9240, 4200, 1335, 735);
    Label1 = explanation(this, "Label1",
                         QStringLiteral("(c) To find the next point: divide the distance from the "
                                        "previous point to the chosen vertex in the ratio you "
                                        "have chosen."),
                         9240, 2760, 1335, 1395);
    lbl_para3 = explanation(this, "lbl_para3", QStringLiteral("(b) Choose a vertex at random."),
                            9240, 2280, 1335, 495);
    lbl_para2 = explanation(
        this, "lbl_para2", QStringLiteral("(a) Choose a starting point at random (on the screen)."),
        9240, 1320, 1335, 855);
    lbl_para1 = explanation(this, "lbl_para1",
                            QStringLiteral("The iterative process consists of the following:"),
                            9240, 360, 1335, 855);
    lbl_para1->setForeColor(Red);
    lbl_para1->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 8.25, true));

    lbl_iters =
        new Label(this, QStringLiteral("lbl_iters"), QStringLiteral("0"), {9240, 6360, 1335, 375});
    lbl_iters->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lbl_iters->setForeColor(Blue);
    lbl_iters->setBackColor(SysHighlightText);
    lbl_iters->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 13.5, true));

    lbl_title =
        new Label(this, QStringLiteral("lbl_title"),
                  QStringLiteral(" Number of iterations   so far:"), {9240, 5400, 1335, 975});
    lbl_title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lbl_title->setForeColor(Blue);
    lbl_title->setBackColor(SysActiveTitle);
    lbl_title->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 12));

    const QString marks = QStringLiteral("    0             1");
    lbl_int = new Label(this, QStringLiteral("lbl_int"), marks, {360, 6720, 1095, 255});
    // The scale's two marks must stay on one line, under the ends of the speed bar.
    lbl_int->setWordWrap(false);
    lbl_int->setBackColor(SysTooltipBackground);

    lbl_pause = new Label(this, QStringLiteral("lbl_pause"), QStringLiteral("Pause Inteval (sec)"),
                          {360, 5760, 1095, 495});
    lbl_pause->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lbl_pause->setBackColor(SysTooltipBackground);

    // Controls whose text changes keep their place and size: a label or button that could
    // resize asks its window for a new layout at every change, and the frame's sub-window
    // then measures the caption again, which would cost more than plotting the point.
    for (QWidget* changing : {static_cast<QWidget*>(lbl_iters), static_cast<QWidget*>(lbl_pause),
                              static_cast<QWidget*>(cmd_pause)})
        changing->setFixedSize(changing->size());
}

void Sierpinski::buildMenus() {
    buildWindowMenu();
    help_help = addMenu(QStringLiteral("help_help"), QStringLiteral("&Help"));
    help_help->setAccessibleName(QStringLiteral("Help"));
    const auto item = [this](const char* name, const char* caption) {
        return addMenuItem(help_help, QString::fromLatin1(name), QString::fromLatin1(caption));
    };
    hlp_bck = addMenuItem(help_help, QStringLiteral("hlp_bck"),
                          QStringLiteral("&Mathematical Background"));
    on(hlp_bck, &QAction::triggered, [this] { hlp_bck_Click(9); });
    seaparator = help_help->addSeparator();
    seaparator->setObjectName(QStringLiteral("seaparator"));
    hlp_cls = item("hlp_cls", "&Clear Screen");
    hlp_vert = item("hlp_vert", "Enter number of &vertices");
    hlp_ratio = item("hlp_ratio", "Enter &ratio");
    hlp_iter = item("hlp_iter", "Start &iteration");
    hlp_pause = item("hlp_pause", "&Pause");
    hlp_print = item("hlp_print", "Pri&nt");
    hlp_finish = item("hlp_finish", "&Finish");
    hlp_speed = item("hlp_speed", "&Speed");
    seperator = help_help->addSeparator();
    seperator->setObjectName(QStringLiteral("seperator"));
    addAboutItem(help_help);
}

void Sierpinski::Form_Load() {
    placeAtLoad();
    carryon = true;
    pi = std::atan(1.0) * 4;
    NL = QStringLiteral("\r\n");
    capt = Value::text(QStringLiteral("v"));
    capt1 = Value::text(QStringLiteral("r"));
    ratio = 0.5f;
    vert = Value::integer(3);
    // From the design's 1000, so the change handler writes "Pause interval 0.00 sec".
    hsb_speed->setValue(0);
}

void Sierpinski::setRunControlsEnabled(bool enabled) {
    for (CommandButton* b : {cmd_cls, cmd_ratio, cmd_iter, cmd_vert})
        b->setEnabled(enabled);
}

void Sierpinski::resetScreens() {
    pb_screen->cls();
    lbl_iters->setCaption(QStringLiteral("0"));
}

QString Sierpinski::runCaption() const {
    return QStringLiteral("Sierpinski Sieve: ") + capt.toText() +
           QStringLiteral(" vertices:  ratio = ") + capt1.toText();
}
