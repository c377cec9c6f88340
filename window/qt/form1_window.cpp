#include "form1_window.h"

#include "artwork.h"
#include "command_line_box.h"
#include "drawn_items.h"
#include "emote_check_box.h"
#include "form/form1_layout.h"
#include "item_label.h"
#include "normal_state_keeper.h"
#include "picture_box.h"

#include <QApplication>
#include <QFont>
#include <QTimer>

#include <stdexcept>

namespace tallyglyph::window {

using namespace form;
namespace {

QFont font_for(FontStyle style) {
    QFont font(form1_font_family());
    font.setPointSizeF(style == FontStyle::large_bold ? form1.large_font_points
                                                      : form1.font_points);
    font.setBold(style != FontStyle::standard);
    return font;
}

// The desktop's colours by index; without a colour scheme Qt's standard palette gives
// white, black and black.
QColor colour_of(const Colour& colour) {
    switch (colour.source) {
    case Colour::Source::rgb:
        return QColor(colour.red, colour.green, colour.blue);
    case Colour::Source::system:
        switch (colour.system_index) {
        case 5:
            return QApplication::palette().color(QPalette::Base);
        case 7:
            return QApplication::palette().color(QPalette::WindowText);
        default:
            return QApplication::palette().color(QPalette::Text);
        }
    case Colour::Source::none:
        break;
    }
    return {};
}

QSize client_size() {
    return {to_pixels(form1.client_width), to_pixels(form1.client_height)};
}

QRect pixels(const TwipsRect& place) {
    return {to_pixels(place.left), to_pixels(place.top), to_pixels(place.width),
            to_pixels(place.height)};
}

QString text_of(const ItemDescription& item) {
    return QString::fromUtf8(item.text);
}

// Each kind of widget paints from its own roles: a label from Window, a check box from
// Button, a text box from Base.
void set_colours(QWidget* widget, const ItemDescription& item) {
    const QPalette::ColorRole background = widget->backgroundRole();
    const QPalette::ColorRole foreground = widget->foregroundRole();
    QPalette palette = widget->palette();
    if (item.background.source != Colour::Source::none) {
        palette.setColor(background, colour_of(item.background));
        widget->setAutoFillBackground(true);
    }
    if (item.foreground.source != Colour::Source::none)
        palette.setColor(foreground, colour_of(item.foreground));
    widget->setPalette(palette);
}

Qt::Alignment alignment_of(const ItemDescription& item) {
    return item.align == Align::centre ? Qt::AlignHCenter | Qt::AlignVCenter
                                       : Qt::AlignLeft | Qt::AlignVCenter;
}

// Names a new widget after its item and gives it what assistive technology reads of it. This
// comes first: the first change a widget announces makes Qt settle for good how to present it,
// and that goes by the item's name. An item that is not presented gets a fixed accessible name
// all the same, so a stored text's label does not announce each change of its text: one Reset
// changes the total 22 times.
template <typename Widget>
Widget* identified(Widget* widget, const ItemDescription& item) {
    widget->setObjectName(QString::fromUtf8(item.name));
    if (!item.accessible_name.empty())
        widget->setAccessibleName(QString::fromUtf8(item.accessible_name));
    else if (item.presents == Presents::nothing)
        widget->setAccessibleName(QString::fromUtf8(item.name));
    if (!item.accessible_description.empty())
        widget->setAccessibleDescription(QString::fromUtf8(item.accessible_description));
    return widget;
}

} // namespace

QString form1_font_family() {
    return QStringLiteral("Liberation Sans");
}

Form1::Form1() {
    setObjectName(QString::fromUtf8(form1.name));
    setWindowTitle(QString::fromUtf8(form1.caption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(client_size());
    setFont(font_for(FontStyle::standard));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour_of(form1.background));
    setPalette(palette);
    setAutoFillBackground(true);

    for (const ItemDescription& item : form1_items())
        build_item(item);

    QWidget* previous = nullptr;
    for (std::string_view name : form1_tab_order()) {
        auto* next = find(name);
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }

    create();
    new NormalStateKeeper(*this, client_size());
    use_reporter_ = std::make_unique<UseReporter>(*this, *this);
}

void Form1::focus_item(std::string_view item) {
    if (QWidget* widget = find(item))
        widget->setFocus();
}

void Form1::build_item(const ItemDescription& item) {
    const std::string key(item.name);
    QWidget* widget = nullptr;
    switch (item.kind) {
    case ItemKind::picture_box:
        widget = identified(new PictureBox(this, QString::fromLatin1(banner_resource)), item);
        set_colours(widget, item);
        break;
    case ItemKind::text_box: {
        QLineEdit* edit =
            identified(item.command_box ? new CommandLineBox(this) : new QLineEdit(this), item);
        if (!item.command_box) {
            // The instruction line only informs: no focus, no edits, no border.
            edit->setReadOnly(true);
            edit->setFocusPolicy(Qt::NoFocus);
            edit->setFrame(false);
        }
        edit->setText(text_of(item));
        edit->setAlignment(alignment_of(item));
        set_colours(edit, item);
        items_.add(key, edit);
        widget = edit;
        break;
    }
    case ItemKind::check_box: {
        auto* box = identified(new EmoteCheckBox(this), item);
        box->setText(text_of(item));
        set_colours(box, item);
        items_.add(key, box);
        widget = box;
        break;
    }
    case ItemKind::label: {
        auto* label = identified(new ItemLabel(this), item);
        label->setText(text_of(item));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(alignment_of(item));
        set_colours(label, item);
        items_.add(key, label);
        widget = label;
        break;
    }
    case ItemKind::shape:
        widget =
            identified(new OutlineShape(this, colour_of(item.foreground), item.line_width), item);
        break;
    case ItemKind::line: {
        // Centred on the line, as wide as the line's pen.
        const int half = item.line_width / 2;
        widget = identified(new StraightLine(this, colour_of(item.foreground)), item);
        widget->setGeometry(to_pixels(item.place.left), to_pixels(item.place.top) - half,
                            to_pixels(item.place.width), item.line_width);
        return;
    }
    case ItemKind::timer: {
        auto* timer = new QTimer(this);
        timer->setObjectName(QString::fromUtf8(item.name));
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(item.interval_ms);
        items_.add(key, timer);
        return;
    }
    case ItemKind::combo_box:
    case ItemKind::button:
        throw std::logic_error("Form1 has no " + key + ": its window draws no dialog's items");
    }
    if (item.presents == Presents::instruction)
        setAccessibleDescription(text_of(item)); // the instruction also describes the window
    widget->setGeometry(pixels(item.place));
    widget->setFont(font_for(item.font));
}

} // namespace tallyglyph::window
