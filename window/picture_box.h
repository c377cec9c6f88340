#pragma once
// A borderless picture box: its picture at the top-left corner, at the picture's own size in
// logical pixels and drawn from the file that suits the screen's scale; its background colour
// where the picture does not reach.

#include <QIcon>
#include <QWidget>

namespace tallyglyph::window {

class PictureBox final : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, QIcon picture, QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon picture_;
    QSize size_;
};

} // namespace tallyglyph::window
