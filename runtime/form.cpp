// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/form.h"

#include "runtime/controls.h"
#include "runtime/mdiform.h"

#include <QAbstractSlider>
#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMetaMethod>
#include <QWindow>

namespace zr {

namespace {
// The edge of a window without a title bar: the window manager draws none for such a
// window, so it is drawn here, a dialog's raised edge around the client area.
class DialogEdge : public QFrame {
  public:
    explicit DialogEdge(Form* form)
        : QFrame(nullptr, form->windowFlags() | Qt::FramelessWindowHint), form_(form) {
        setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    }

  protected:
    // Closed from outside (a key of the window manager): the window inside closes.
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        form_->close();
    }

  private:
    Form* form_;
};
} // namespace

Form::Busy::Busy(Form* f) : form(f) {
    ++form->busy_;
}

Form::Busy::~Busy() {
    if (--form->busy_ == 0 && form->unloaded_) form->deleteWhenIdle();
}

Form::Form(Runtime& rt, const QString& name, Kind kind) : QWidget(nullptr), rt_(rt), kind_(kind) {
    setObjectName(name);
    setFont(layoutFont(QStringLiteral("MS Sans Serif"), 8.25));
    setBackColor(SysButtonFace);
}

Form::~Form() = default;

void Form::Show() {
    if (unloaded_) return;
    QWidget* w = outer();
    if (pendingState_) {
        // Maximising or restoring shows the window too.
        if (*pendingState_ == Maximised)
            w->showMaximized();
        else
            w->showNormal();
        pendingState_.reset();
    } else {
        w->show();
    }
    if (kind_ == Kind::Child) {
        if (frame_) frame_->activate(this);
        return;
    }
    if (QWindow* handle = w->windowHandle()) handle->installEventFilter(this);
    w->raise();
    w->activateWindow();
}

void Form::Hide() {
    outer()->hide();
    if (frame_) frame_->updateMenus();
}

bool Form::isShown() const {
    return !outer()->isHidden();
}

void Form::Unload() {
    rt_.unload(objectName());
}

void Form::Refresh() {
    outer()->repaint();
}

void Form::setCaption(const QString& caption) {
    caption_ = caption;
    // "[*]" marks unsaved changes in a Qt title; doubled, it stands for itself.
    QString title = caption;
    title.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
    setWindowTitle(title);
}

QRect Form::outerPx() const {
    if (sub_) return sub_->geometry();
    const QWindow* handle = outer()->windowHandle();
    return handle ? handle->frameGeometry() : outer()->geometry();
}

void Form::setOuterPx(const QRect& r) {
    if (sub_) return sub_->setGeometry(r);
    QWidget* w = outer();
    const QWindow* handle = w->windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    // No margins yet: the window manager has not framed the window (or there is none). The
    // window is placed again once they are known, so that its outer edge lands here.
    if (frame.isNull())
        wantedOuter_ = r;
    else
        wantedOuter_.reset();
    const QRect client = r.marginsRemoved(frame);
    w->setGeometry(QRect(client.topLeft(), client.size().expandedTo(QSize(1, 1))));
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    QWindow* handle = outer()->windowHandle();
    if (wantedOuter_ && watched == handle && handle->windowState() == Qt::WindowNoState) {
        switch (event->type()) {
        case QEvent::Expose:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            if (!handle->frameMargins().isNull()) setOuterPx(*wantedOuter_);
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

int Form::leftTw() const {
    return twips(outerPx().x());
}
int Form::topTw() const {
    return twips(outerPx().y());
}
int Form::widthTw() const {
    return twips(outerPx().width());
}
int Form::heightTw() const {
    return twips(outerPx().height());
}

void Form::changeOuter(void (QRect::*change)(int), int tw) {
    QRect r = outerPx();
    (r.*change)(px(tw));
    setOuterPx(r);
}
void Form::setLeftTw(int tw) {
    changeOuter(&QRect::moveLeft, tw);
}
void Form::setTopTw(int tw) {
    changeOuter(&QRect::moveTop, tw);
}
void Form::setWidthTw(int tw) {
    changeOuter(&QRect::setWidth, tw);
}
void Form::setHeightTw(int tw) {
    changeOuter(&QRect::setHeight, tw);
}

int Form::state() const {
    if (pendingState_) return *pendingState_;
    return outer()->isMaximized() ? Maximised : Normal;
}

void Form::setState(int state) {
    pendingState_ = state == Maximised ? Maximised : Normal;
    if (isShown()) Show();
}

void Form::setBorder(Border border) {
    border_ = border;
    if (sub_) applySubWindowBorder();
    if (kind_ != Kind::TopLevel || !(windowFlags() & Qt::FramelessWindowHint) || edge_) return;
    edge_ = new DialogEdge(this);
    const int e = static_cast<QFrame*>(edge_)->frameWidth();
    setParent(edge_);
    move(e, e);
}

void Form::applySubWindowBorder() {
    if (border_ == Border::Sizable) return;
    // The title bar keeps its menu and all three buttons; only dragging an edge is gone.
    sub_->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint);
}

void Form::setBackColor(Colour colour) {
    backColor_ = colour;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(colour));
    setPalette(pal);
    setAutoFillBackground(true);
}

void Form::printForm() {
    rt_.printer().printImage(grab().toImage());
}

QWidget* Form::outer() const {
    if (sub_) return sub_;
    return edge_ ? edge_ : const_cast<Form*>(this);
}

QMenu* Form::addMenu(const QString& name, const QString& caption) {
    auto* menu = new QMenu(caption, this);
    menu->setObjectName(name);
    menu->setAccessibleName(withoutAccessKey(caption));
    menus_.append(menu);
    return menu;
}

void Form::closeEvent(QCloseEvent* event) {
    // The close box unloads the window; the runtime hides it and deletes it once no
    // handler of it is running any more.
    event->ignore();
    if (!unloaded_) Unload();
}

void Form::beginUnload() {
    unloaded_ = true;
    stopRuns();
    outer()->hide();
    if (frame_) frame_->updateMenus();
    deleteWhenIdle();
}

void Form::deleteWhenIdle() {
    if (busy_ == 0) outer()->deleteLater();
}

void Form::connectHandlersByName() {
    // No such slot is index -1, whose method is an invalid one.
    const auto slot = [this](const QByteArray& signature) {
        return metaObject()->method(metaObject()->indexOfSlot(signature.constData()));
    };
    for (QObject* control : findChildren<QObject*>()) {
        // Controls of windows inside this one (the frame's children) are theirs.
        QObject* owner = control->parent();
        while (owner && !qobject_cast<Form*>(owner))
            owner = owner->parent();
        if (owner != this) continue;
        const QByteArray name = control->objectName().toLatin1();
        const QMetaMethod click = slot(name + "_Click()");
        const QMetaMethod change = slot(name + "_Change()");
        const auto call = [this](QMetaMethod m) { return [this, m] { m.invoke(this); }; };
        if (auto* button = qobject_cast<QAbstractButton*>(control); button && click.isValid())
            on(button, &QAbstractButton::clicked, call(click));
        else if (auto* item = qobject_cast<QAction*>(control); item && click.isValid())
            on(item, &QAction::triggered, call(click));
        else if (auto* panel = qobject_cast<Panel*>(control); panel && click.isValid())
            on(panel, &Panel::clicked, call(click));
        else if (auto* bar = qobject_cast<QAbstractSlider*>(control); bar && change.isValid())
            on(bar, &QAbstractSlider::valueChanged, call(change));
    }
}

} // namespace zr
