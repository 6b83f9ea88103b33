#include "sierpinski.h"

#include "artwork.h"

using namespace zr;

void Sierpinski::registerWindow(Runtime& rt) {
    rt.registerForm(Name, [](Runtime& r) { return new Sierpinski(r); });
}

Sierpinski::Sierpinski(Runtime& rt) : Form(rt, Name, Kind::Child) {
    setCaption(QStringLiteral("Sierpinski's Sieve"));
    setWindowIcon(artwork::sierpinskiIcon());
    setFont(layoutFont(QStringLiteral("MS Sans Serif"), 18, true));
    resize(px(10875), px(7200));
}

void Sierpinski::Form_Load() {
    setTopTw(0);
    setWidthTw(11000);
    setHeightTw(7600);
    setLeftTw(0);
    setState(Maximised);
    Show();
}
