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
    QStringList expected{"Picture1", "Text2"};
    for (int n = 1; n <= 22; ++n)
        expected << QStringLiteral("Check%1").arg(n);
    expected << "Label1"
             << "Label6"
             << "Text1";
    EXPECT_EQ(presented, expected);

    for (const char* name : {"Label2", "Label3", "Label4", "Shape1", "Shape2", "Line1"}) {
        QAccessibleInterface* hidden = accessible(item(name));
        EXPECT_TRUE(hidden->state().invisible) << name;
        EXPECT_TRUE(hidden->text(QAccessible::Name).isEmpty()) << name;
    }
    // A point query finds the label-button under its frame, and nothing below the window.
    EXPECT_EQ(
        window->childAt(centre_on_screen(item("Label1")).x(), centre_on_screen(item("Label1")).y()),
        accessible(item("Label1")));
    const QPoint below = centre_on_screen(item("Label3"));
    EXPECT_EQ(window->childAt(below.x(), below.y()), nullptr);
}

struct Presentation {
    const char* item;
    QAccessible::Role role;
    const char* name;
    bool focusable;
};

TEST_F(Form1Test, ItemsPresentAsWhatTheyAreToTheUser) {
    const Presentation rows[] = {
        {"Picture1", QAccessible::Graphic, "Korvath", true},
        {"Text2", QAccessible::StaticText, "Select the emotes you want to allow.", false},
        {"Check1", QAccessible::CheckBox, "Sit", true},
        {"Label1", QAccessible::Button, "Reset", false},
        {"Label6", QAccessible::Button, "ALL", false},
        {"Text1", QAccessible::EditableText, "Console command", true},
    };
    for (const auto& [name, role, accessible_name, focusable] : rows) {
        QAccessibleInterface* presented = accessible(item(name));
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
    QAccessibleInterface* all = accessible(item("Label6"));
    QAccessibleInterface* reset = accessible(item("Label1"));
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
    EXPECT_EQ(QApplication::focusWidget(), item("Check1"));
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
