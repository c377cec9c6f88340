// Form1 as assistive technology sees it, through Qt's accessibility interfaces in process.

#include "form1_fixture.h"

#include <QAccessible>

namespace {

using namespace tallyglyph;

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(interface, nullptr) << object->objectName().toStdString();
    return interface;
}

QPoint centre_on_screen(QWidget* widget) {
    return widget->mapToGlobal(widget->rect().center());
}

TEST_F(Form1Test, WindowIsAFramePresentingItsItemsButNotItsStoredTextsOrDrawing) {
    QAccessibleInterface* window = accessible(form.get());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Korvath - Tallyglyph");
    EXPECT_EQ(window->text(QAccessible::Description), "Select the emotes you want to allow.");

    QStringList presented;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        EXPECT_EQ(window->indexOfChild(child), i);
        EXPECT_EQ(child->parent(), window);
        presented << child->object()->objectName();
    }
    QStringList expected{qt_name(item::banner), qt_name(item::instruction)};
    for (const std::string_view box : item::boxes)
        expected << qt_name(box);
    expected << qt_name(item::reset) << qt_name(item::all) << qt_name(item::command_line);
    EXPECT_EQ(presented, expected);

    for (std::string_view name :
         {item::prefix, item::total, item::quote, item::reset_frame, item::all_frame, item::rule}) {
        QAccessibleInterface* hidden = accessible(widget(name));
        EXPECT_TRUE(hidden->state().invisible) << name;
        EXPECT_TRUE(hidden->text(QAccessible::Name).isEmpty()) << name;
    }
    // A point query finds the label-button under its frame, and nothing below the window.
    EXPECT_EQ(window->childAt(centre_on_screen(widget(item::reset)).x(),
                              centre_on_screen(widget(item::reset)).y()),
              accessible(widget(item::reset)));
    const QPoint below = centre_on_screen(widget(item::total));
    EXPECT_EQ(window->childAt(below.x(), below.y()), nullptr);
}

struct Presentation {
    std::string_view item;
    QAccessible::Role role;
    const char* name;
    bool focusable;
};

TEST_F(Form1Test, ItemsPresentAsWhatTheyAreToTheUser) {
    const Presentation rows[] = {
        {item::banner, QAccessible::Graphic, "Korvath", true},
        {item::instruction, QAccessible::StaticText, "Select the emotes you want to allow.", false},
        {item::boxes[0], QAccessible::CheckBox, "Sit", true},
        {item::reset, QAccessible::Button, "Reset", false},
        {item::all, QAccessible::Button, "ALL", false},
        {item::command_line, QAccessible::EditableText, "Console command", true},
    };
    for (const auto& [name, role, accessible_name, focusable] : rows) {
        QAccessibleInterface* presented = accessible(widget(name));
        EXPECT_EQ(presented->role(), role) << name;
        EXPECT_EQ(presented->text(QAccessible::Name), accessible_name) << name;
        EXPECT_EQ(bool(presented->state().focusable), focusable) << name;
        EXPECT_FALSE(presented->state().invisible) << name;
    }
    QAccessibleInterface* line = accessible(line_box());
    EXPECT_FALSE(line->text(QAccessible::Description).isEmpty());
    ASSERT_NE(line->textInterface(), nullptr);
    ASSERT_TRUE(line_becomes(line_for("0")));
    EXPECT_EQ(line->textInterface()->text(0, line->textInterface()->characterCount()),
              line_for("0"));
}

TEST_F(Form1Test, LabelButtonsPressAsAClickDoesAndStayOffTheKeyboard) {
    QAccessibleInterface* all = accessible(widget(item::all));
    QAccessibleInterface* reset = accessible(widget(item::reset));
    for (QAccessibleInterface* button : {all, reset}) {
        ASSERT_NE(button->actionInterface(), nullptr);
        EXPECT_EQ(button->actionInterface()->actionNames(),
                  QStringList{QAccessibleActionInterface::pressAction()});
        EXPECT_TRUE(button->actionInterface()
                        ->keyBindingsForAction(QAccessibleActionInterface::pressAction())
                        .isEmpty());
        EXPECT_TRUE(button->text(QAccessible::Accelerator).isEmpty());
    }

    all->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(line_becomes(line_for("4194303")));
    EXPECT_TRUE(box(22)->isChecked());
    reset->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(line_becomes(line_for("0")));
    EXPECT_EQ(QApplication::focusWidget(), widget(item::boxes[0]));
}

TEST_F(Form1Test, EmoteBoxesReportTheRectangleThatAnswersAClickAndToggleAsAClickDoes) {
    QAccessibleInterface* window = accessible(form.get());
    for (const core::EmoteRow& row : core::emote_table) {
        QCheckBox* check = box(row.box);
        const QRect on_screen(check->mapToGlobal(QPoint(0, 0)), check->size());
        EXPECT_EQ(accessible(check)->rect(), on_screen) << row.name;
        EXPECT_EQ(window->childAt(on_screen.right(), on_screen.center().y()), accessible(check))
            << row.name;
    }

    QAccessibleInterface* sit = accessible(box(1));
    EXPECT_EQ(sit->actionInterface()->actionNames().first(),
              QAccessibleActionInterface::toggleAction());
    sit->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(sit->state().checked);
    EXPECT_EQ(total(), "1");
    sit->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(sit->state().checked);
    EXPECT_EQ(total(), "0");
}

} // namespace
