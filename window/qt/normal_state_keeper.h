#pragma once
// Keeps a window of one size in the normal state. Its flags offer no maximise or full screen,
// yet Qt's own title bar on Wayland (drawn where the compositor leaves that to the window) has
// a maximise button that asks for that state whatever the flags say, and compositors grant
// it. A compositor that grants maximised needs the window to fill the size it gives, and Qt
// 6.4 holds the window to its size limit instead, which breaks the protocol and ends the
// program. So the limit is lifted as soon as such a state is asked for, the normal state is
// asked back once it is given, and the limit returns with the normal state.

#include <QObject>
#include <QSize>
#include <QWidget>

namespace tallyglyph::window {

class NormalStateKeeper final : public QObject {
public:
    // Made once the window has its native handle.
    NormalStateKeeper(QWidget& window, QSize size);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void asked(Qt::WindowState state);
    void given(Qt::WindowStates states);
    void lift_size_limit();
    void ask_for_normal_state();

    QWidget& window_;
    const QSize size_;
    Qt::WindowStates given_ = Qt::WindowNoState;
    bool limit_lifted_ = false;
    bool granted_ = false;
    int normal_answers_ = 0;
};

} // namespace tallyglyph::window
