#pragma once
// The flat one-line box that shows the console line, with a thin border. One click that is
// not a drag selects the whole line, so copying it takes a click and Ctrl+C. It also tells
// when one paste or drop has put a text into it (Ctrl+V, Shift+Insert, the context menu's
// Paste, a middle click, a drop), so that a value brought in that way can be loaded; what
// the text means is not its business. Its context menu offers the window's own commands after
// the box's entries.

#include <QLineEdit>

namespace tallyglyph::window {

class CommandLineBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit CommandLineBox(QWidget* parent);

    // Offered in the context menu after the box's own entries.
    void add_to_menu(const QList<QAction*>& actions) { menu_actions_ += actions; }

signals:
    // The text that one paste or drop has just put into the line; never empty.
    void pasted(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Where a paste lands: over the selection, or else at the cursor.
    int paste_position() const;
    // Reports what a paste that landed at FROM put in: from there up to the cursor it left.
    void report_paste(int from);

    QList<QAction*> menu_actions_;
    QPoint press_position_;
    bool pressed_ = false;
};

} // namespace tallyglyph::window
