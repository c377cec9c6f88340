#pragma once
// A borderless picture box: its picture at the top-left corner, at the picture file's size in
// logical pixels, and on a scaled screen drawn from the file's @2x sibling where there is one;
// its background colour where the picture does not reach.

#include <QPixmap>
#include <QWidget>

namespace tallyglyph::window {

class PictureBox final : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, const QString& picture_file);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    QSize size_;
};

} // namespace tallyglyph::window
