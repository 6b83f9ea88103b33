#include "logistic.h"

#include "artwork.h"

using namespace zr;

void logistic::registerWindow(Runtime& rt) {
    rt.registerForm(Name, [](Runtime& r) { return new logistic(r); });
}

logistic::logistic(Runtime& rt) : Form(rt, Name, Kind::Child) {
    setCaption(QStringLiteral("Logistic Mapping: y = kx(1 - x)"));
    setWindowIcon(artwork::cobwebIcon());
    resize(px(10905), px(7620));
}

void logistic::Form_Load() {
    setTopTw(0);
    setWidthTw(11000);
    setHeightTw(7600);
    setLeftTw(0);
    setState(Maximised);
    Show();
}
