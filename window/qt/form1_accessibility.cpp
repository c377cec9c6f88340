#include "form1_accessibility.h"

#include "emote_check_box.h"
#include "form/form1_layout.h"
#include "form1_window.h"
#include "item_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace tallyglyph::window {

using namespace form;
namespace {

// The stored description of a widget of Form1, found by the widget's name.
const ItemDescription* description_of(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (widget == nullptr || qobject_cast<const Form1*>(widget->parentWidget()) == nullptr)
        return nullptr;
    const QByteArray name = object->objectName().toUtf8();
    return find_item(form1_items(),
                     std::string_view(name.constData(), static_cast<std::size_t>(name.size())));
}

bool is_presented(const QWidget* widget) {
    const ItemDescription* item = description_of(widget);
    return item == nullptr || item->presents != Presents::nothing;
}

// The window: a frame named by its title, whose children are only the items it presents, so
// neither a walk through the tree nor a query at a point meets the others.
class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* form) : QAccessibleWidget(form, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(presented_children().size()); }

    QAccessibleInterface* child(int index) const override {
        const QWidgetList children = presented_children();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children[index])
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        return static_cast<int>(
            presented_children().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QWidgetList presented_children() const {
        QWidgetList children;
        for (QWidget* child : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow() && is_presented(child))
                children.append(child);
        return children;
    }
};

// A label acting as a button: a push button named by its caption, whose press runs exactly
// what a mouse click on the label runs. Toward the keyboard it stays a label: no focus, no
// access key.
class LabelButtonAccessible final : public QAccessibleWidget {
public:
    explicit LabelButtonAccessible(ItemLabel* label)
        : QAccessibleWidget(label, QAccessible::Button), label_(label) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? label_->text() : QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction())
            label_->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    ItemLabel* label_;
};

// An emote box answers a click anywhere on its rectangle, so it reports that whole rectangle;
// otherwise it presents as any check box: its caption, its state, and a Toggle action that
// acts as a click.
class EmoteCheckBoxAccessible final : public QAccessibleWidget {
public:
    explicit EmoteCheckBoxAccessible(EmoteCheckBox* box)
        : QAccessibleWidget(box, QAccessible::CheckBox), box_(box) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? box_->text() : QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = box_->checkState() == Qt::Checked;
        state.checkStateMixed = box_->checkState() == Qt::PartiallyChecked;
        state.pressed = box_->isDown();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{toggleAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == toggleAction())
            box_->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    EmoteCheckBox* box_;
};

// The instruction line: static text that reads as what it shows.
class InstructionAccessible final : public QAccessibleWidget {
public:
    explicit InstructionAccessible(QLineEdit* line)
        : QAccessibleWidget(line, QAccessible::StaticText), line_(line) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? line_->text() : QAccessibleWidget::text(t);
    }

private:
    QLineEdit* line_;
};

// A stored text or a piece of pure drawing. The window leaves it out of its children; asked
// for directly, it is invisible, unnamed and without actions.
class NotPresentedAccessible final : public QAccessibleWidget {
public:
    explicit NotPresentedAccessible(QWidget* widget) : QAccessibleWidget(widget) {}

    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = true;
        state.offscreen = true;
        return state;
    }
    QString text(QAccessible::Text) const override { return {}; }
    QRect rect() const override { return {}; }
    QStringList actionNames() const override { return {}; }
};

// Qt asks once per widget, with the widget's class and then its base classes; an answer of
// none leaves the widget to Qt's own presentation.
QAccessibleInterface* present_form1(const QString&, QObject* object) {
    if (auto* form = qobject_cast<Form1*>(object))
        return new WindowAccessible(form);
    const ItemDescription* item = description_of(object);
    if (item == nullptr)
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    switch (item->presents) {
    case Presents::own_kind:
        if (auto* box = qobject_cast<EmoteCheckBox*>(widget))
            return new EmoteCheckBoxAccessible(box);
        return nullptr;
    case Presents::push_button:
        if (auto* label = qobject_cast<ItemLabel*>(widget))
            return new LabelButtonAccessible(label);
        return nullptr;
    case Presents::image:
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    case Presents::instruction:
        if (auto* line = qobject_cast<QLineEdit*>(widget))
            return new InstructionAccessible(line);
        return nullptr;
    case Presents::nothing:
        return new NotPresentedAccessible(widget);
    }
    return nullptr;
}

} // namespace

void install_form1_accessibility() {
    QAccessible::installFactory(present_form1);
}

} // namespace tallyglyph::window
