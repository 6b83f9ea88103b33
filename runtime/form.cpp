#include "runtime/form.h"

#include "runtime/mdiform.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenu>

namespace zr {

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
    if (kind_ == Kind::Child) {
        if (state_ == Maximised)
            sub_->showMaximized();
        else if (sub_->isMaximized())
            sub_->showNormal();
        else
            sub_->show();
        if (frame_) frame_->activate(this);
        return;
    }
    if (state_ == Maximised)
        showMaximized();
    else
        show();
    raise();
    activateWindow();
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
    if (sub_) sub_->setWindowTitle(title);
}

QSize Form::decorationPx() const {
    if (kind_ == Kind::Child) return {0, 0};
    return frameGeometry().size() - QWidget::size();
}

int Form::leftTw() const {
    return twips(outer()->x());
}
int Form::topTw() const {
    return twips(outer()->y());
}
int Form::widthTw() const {
    return twips(kind_ == Kind::Child ? sub_->width() : frameGeometry().width());
}
int Form::heightTw() const {
    return twips(kind_ == Kind::Child ? sub_->height() : frameGeometry().height());
}

void Form::setLeftTw(int tw) {
    outer()->move(px(tw), outer()->y());
}
void Form::setTopTw(int tw) {
    outer()->move(outer()->x(), px(tw));
}

void Form::setWidthTw(int tw) {
    if (kind_ == Kind::Child)
        sub_->resize(px(tw), sub_->height());
    else
        resize(std::max(1, px(tw) - decorationPx().width()), QWidget::height());
}

void Form::setHeightTw(int tw) {
    if (kind_ == Kind::Child)
        sub_->resize(sub_->width(), px(tw));
    else
        resize(QWidget::width(), std::max(1, px(tw) - decorationPx().height()));
}

void Form::setState(int state) {
    state_ = state == Maximised ? Maximised : Normal;
    if (isShown()) Show();
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
    return sub_ ? static_cast<QWidget*>(sub_) : const_cast<Form*>(this);
}

QMenu* Form::addMenu(const QString& name, const QString& caption) {
    auto* menu = new QMenu(caption, this);
    menu->setObjectName(name);
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

} // namespace zr
