#pragma once
// A check box that answers the mouse anywhere on its rectangle: on the mark, on the caption
// and on the blank part right of the caption.

#include <QCheckBox>

namespace tallyglyph::window {

class EmoteCheckBox final : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
    // A user click flips between unchecked and checked; a greyed box becomes unchecked.
    void nextCheckState() override {
        setCheckState(checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked);
    }
};

} // namespace tallyglyph::window
