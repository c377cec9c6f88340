#pragma once
// A borderless picture box: its image at the top-left corner, its background colour where
// the image does not reach.

#include <QPixmap>
#include <QWidget>

namespace tallyglyph::window {

class PictureBox final : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, QPixmap picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace tallyglyph::window
