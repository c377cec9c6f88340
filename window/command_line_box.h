#pragma once
// The flat one-line box that shows the console line, with a thin border. One click that is
// not a drag selects the whole line, so copying it takes a click and Ctrl+C.

#include <QLineEdit>

namespace tallyglyph::window {

class CommandLineBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit CommandLineBox(QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint press_position_;
    bool pressed_ = false;
};

} // namespace tallyglyph::window
