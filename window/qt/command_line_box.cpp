#include "command_line_box.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace tallyglyph::window {
namespace {

// Qt's own Paste entry is the action wired to QLineEdit::paste: found by that wiring, in
// either form Qt has made it, and never by its caption. Unwiring it is the test.
bool unwire_if_paste(QAction* action, QLineEdit* line) {
    static const QMetaMethod paste_slot =
        QLineEdit::staticMetaObject.method(QLineEdit::staticMetaObject.indexOfSlot("paste()"));
    static const QMetaMethod triggered = QMetaMethod::fromSignal(&QAction::triggered);
    return QObject::disconnect(action, &QAction::triggered, line, &QLineEdit::paste) ||
           QObject::disconnect(action, triggered, line, paste_slot);
}

} // namespace

CommandLineBox::CommandLineBox(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    // Room for the thin border drawn in paintEvent.
    setTextMargins(1, 1, 1, 1);
}

int CommandLineBox::paste_position() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void CommandLineBox::report_paste(int from) {
    const int to = cursorPosition();
    if (to > from)
        emit pasted(text().mid(from, to - from));
}

void CommandLineBox::keyPressEvent(QKeyEvent* event) {
    const bool paste = event->matches(QKeySequence::Paste);
    const int from = paste_position();
    QLineEdit::keyPressEvent(event);
    if (paste)
        report_paste(from);
}

void CommandLineBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
        if (!unwire_if_paste(action, this))
            continue;
        // Named as newer Qt names it, so it can be found the same way everywhere.
        action->setObjectName(QStringLiteral("edit-paste"));
        connect(action, &QAction::triggered, this, [this] {
            const int from = paste_position();
            paste();
            report_paste(from);
        });
    }
    if (!menu_actions_.isEmpty()) {
        menu->addSeparator();
        menu->addActions(menu_actions_);
    }
    menu->popup(event->globalPos());
}

void CommandLineBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    press_position_ = event->position().toPoint();
    QLineEdit::mousePressEvent(event);
}

void CommandLineBox::mouseReleaseEvent(QMouseEvent* event) {
    // A middle click pastes the selection at the cursor; what was selected stays in place.
    const bool middle = event->button() == Qt::MiddleButton;
    const int from = cursorPosition();
    QLineEdit::mouseReleaseEvent(event);
    if (middle)
        report_paste(from);
    const bool plain_click = pressed_ && event->button() == Qt::LeftButton &&
                             (event->position().toPoint() - press_position_).manhattanLength() <
                                 QApplication::startDragDistance();
    pressed_ = false;
    if (plain_click)
        selectAll();
}

void CommandLineBox::dropEvent(QDropEvent* event) {
    const QString text = event->mimeData()->text();
    QLineEdit::dropEvent(event);
    if (event->isAccepted() && !text.isEmpty())
        emit pasted(text);
}

void CommandLineBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tallyglyph::window
