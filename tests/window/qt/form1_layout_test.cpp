#include "form1_fixture.h"
#include "runtime/headless_items.h"
#include "window/form1_layout.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

using namespace tallyglyph;

// Where each visible item stands, in pixels, at 15 twips a pixel.
struct Placement {
    const char* name;
    QRect pixels;
};

TEST_F(Form1Test, EveryItemStandsAtItsPlace) {
    const Placement exact[] = {
        {"Picture1", {88, 8, 225, 49}},  {"Text2", {96, 64, 257, 17}},
        {"Check1", {8, 88, 73, 17}},     {"Check6", {8, 168, 81, 17}},
        {"Check7", {8, 184, 73, 17}},    {"Check8", {96, 88, 73, 17}},
        {"Check14", {96, 184, 73, 17}},  {"Check15", {184, 88, 73, 17}},
        {"Check17", {184, 120, 89, 17}}, {"Check21", {184, 184, 73, 17}},
        {"Check22", {288, 88, 73, 17}},  {"Label1", {328, 184, 57, 17}},
        {"Shape1", {328, 184, 57, 17}},  {"Label6", {392, 184, 57, 17}},
        {"Shape2", {392, 184, 57, 17}},  {"Text1", {8, 216, 457, 19}},
        {"Line1", {0, 207, 472, 3}},     {"Label2", {8, 248, 145, 17}},
        {"Label4", {184, 248, 17, 17}},  {"Label3", {208, 248, 97, 17}},
    };
    for (const auto& [name, pixels] : exact)
        EXPECT_EQ(item(name)->geometry(), pixels) << name;
}

TEST_F(Form1Test, EachEmoteBoxSitsInItsGridCellWithItsCaption) {
    constexpr int column_left[] = {8, 96, 184, 288};
    for (const core::EmoteRow& row : core::emote_table) {
        QCheckBox* check = box(row.box);
        EXPECT_EQ(check->x(), column_left[row.column - 1]) << row.name;
        EXPECT_EQ(check->y(), 88 + (row.row - 1) * 16) << row.name;
        EXPECT_EQ(check->text().toStdString(), row.caption);
        EXPECT_EQ(check->checkState(), Qt::Unchecked);
    }
}

TEST_F(Form1Test, WindowIsFixedAtItsSizeWithCloseBoxButNoMinimiseOrMaximise) {
    EXPECT_EQ(form->objectName(), "Form1");
    EXPECT_EQ(form->windowTitle(), "Korvath - Tallyglyph");
    EXPECT_EQ(form->size(), QSize(470, 240));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    form->resize(900, 600);
    EXPECT_EQ(form->size(), QSize(470, 240));
    EXPECT_FALSE(form->windowIcon().isNull());
}

TEST_F(Form1Test, TextsAndLabelButtonsReadAsStored) {
    EXPECT_EQ(item<QLineEdit>("Text2")->text(), "Select the emotes you want to allow.");
    EXPECT_EQ(item<QLabel>("Label1")->text(), "Reset");
    EXPECT_EQ(item<QLabel>("Label6")->text(), "ALL");
    EXPECT_EQ(item<QLabel>("Label2")->text(), "set kv_emoteControl ");
    EXPECT_EQ(item<QLabel>("Label4")->text(), "\"");
    EXPECT_EQ(total(), "0");
    EXPECT_TRUE(item<QLabel>("Label1")->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(line_box()->alignment() & Qt::AlignHCenter);
}

TEST_F(Form1Test, StoredTextsLieBelowTheClientAreaYetStayReadableAndWritable) {
    for (const char* name : {"Label2", "Label3", "Label4"})
        EXPECT_GE(item(name)->y(), form->height()) << name;
    form->items().label("Label3").set_caption("12");
    EXPECT_EQ(form->items().label("Label3").caption(), "12");
}

TEST_F(Form1Test, ItemsStartAsTheHeadlessCellsDo) {
    runtime::Form1Cells cells;
    for (const core::EmoteRow& row : core::emote_table)
        EXPECT_EQ(form->items().check_box(row.name).value(), cells.check_box(row.name).value());
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label6"})
        EXPECT_EQ(form->items().label(name).caption(), cells.label(name).caption()) << name;
    EXPECT_EQ(form->items().timer("Timer1").interval(), cells.timer("Timer1").interval());
    EXPECT_TRUE(form->items().timer("Timer1").enabled());
}

TEST_F(Form1Test, FontsStandInForTheStoredFamilyAtTheStoredSizes) {
    const QFontInfo standard(box(1)->font());
    EXPECT_EQ(standard.family(), "Liberation Sans");
    EXPECT_EQ(standard.pixelSize(), 11);
    EXPECT_FALSE(standard.bold());
    const QFontInfo bold(item("Text2")->font());
    EXPECT_TRUE(bold.bold());
    EXPECT_EQ(bold.pixelSize(), 11);
    const QFontInfo large(item("Label1")->font());
    EXPECT_TRUE(large.bold());
    EXPECT_EQ(large.pixelSize(), 13);
}

TEST_F(Form1Test, NoCaptionIsClipped) {
    for (const core::EmoteRow& row : core::emote_table) {
        QCheckBox* check = box(row.box);
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = check->text();
        const QRect text_area =
            check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
        const int needed = QFontMetrics(check->font()).horizontalAdvance(check->text());
        EXPECT_LE(text_area.left() + needed, check->width()) << row.name;
    }
    for (const char* name : {"Label1", "Label6"}) {
        auto* label = item<QLabel>(name);
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width() - 6)
            << name;
    }
    auto* instruction = item<QLineEdit>("Text2");
    EXPECT_LE(QFontMetrics(instruction->font()).horizontalAdvance(instruction->text()),
              instruction->width() - 4);
}

TEST_F(Form1Test, FocusStartsOnCheck1AndTabsInTheStoredOrder) {
    EXPECT_EQ(QApplication::focusWidget(), item("Check1"));
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 24; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QStringList expected{"Check1", "Text1", "Picture1"};
    for (int n = 2; n <= 22; ++n)
        expected << QStringLiteral("Check%1").arg(n);
    expected << "Check1";
    EXPECT_EQ(order, expected);
    for (const char* name : {"Label1", "Label6", "Label3", "Shape1", "Line1", "Text2"})
        EXPECT_EQ(item(name)->focusPolicy(), Qt::NoFocus) << name;
}

} // namespace
