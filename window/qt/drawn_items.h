#pragma once
// The outline shapes and the straight line: pure drawing, above the items they frame. They
// take no mouse input, so a click on a frame reaches the label beneath it.

#include <QColor>
#include <QWidget>

namespace tallyglyph::window {

// A rectangle outline drawn inside its own bounds, so the frame covers the edge of the
// label that shares its rectangle.
class OutlineShape final : public QWidget {
    Q_OBJECT
public:
    OutlineShape(QWidget* parent, QColor colour, int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    int width_;
};

// A horizontal line; the widget is as tall as the line is wide, centred on it.
class StraightLine final : public QWidget {
    Q_OBJECT
public:
    StraightLine(QWidget* parent, QColor colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

} // namespace tallyglyph::window
