#include "normal_state_keeper.h"

#include <QEvent>
#include <QWindow>

namespace tallyglyph::window {
namespace {

bool is_other_state(Qt::WindowStates states) {
    return states & (Qt::WindowMaximized | Qt::WindowFullScreen);
}

} // namespace

NormalStateKeeper::NormalStateKeeper(QWidget& window, QSize size)
    : QObject(&window), window_(window), size_(size) {
    QWindow* handle = window.windowHandle();
    handle->installEventFilter(this);
    connect(handle, &QWindow::windowStateChanged, this, &NormalStateKeeper::asked);
}

// The compositor's answers come as events; a title bar's request only changes the state that
// QWindow holds, and Qt sends it on.
bool NormalStateKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowStateChange)
        given(static_cast<QWindow*>(watched)->windowStates());
    return QObject::eventFilter(watched, event);
}

void NormalStateKeeper::asked(Qt::WindowState state) {
    if (is_other_state(state) && !is_other_state(given_)) {
        lift_size_limit();
        normal_answers_ = 0;
    }
}

void NormalStateKeeper::given(Qt::WindowStates states) {
    given_ = states;
    if (is_other_state(states)) {
        lift_size_limit();
        granted_ = true;
        // Asked once Qt has answered this configure: weston drops a request made between the
        // answer's acknowledgement and its commit.
        QMetaObject::invokeMethod(this, &NormalStateKeeper::ask_for_normal_state,
                                  Qt::QueuedConnection);
    } else if (limit_lifted_ && (granted_ || ++normal_answers_ == 2)) {
        // After a grant, the normal state can only come back as asked. A refusal is a normal
        // configure, and one that the compositor sent before it read the request may come
        // first.
        limit_lifted_ = granted_ = false;
        window_.setFixedSize(size_);
    }
}

void NormalStateKeeper::lift_size_limit() {
    if (!limit_lifted_)
        window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    limit_lifted_ = true;
}

void NormalStateKeeper::ask_for_normal_state() {
    QWindow* handle = window_.windowHandle();
    if (is_other_state(handle->windowStates()))
        handle->setWindowStates(Qt::WindowNoState);
}

} // namespace tallyglyph::window
