#include "form/form_cells.h"
#include "form1_fixture.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

using namespace tallyglyph;

// Where each visible item stands, in pixels, at 15 twips a pixel.
struct Placement {
    std::string_view name;
    QRect pixels;
};

TEST_F(Form1Test, EveryItemStandsAtItsPlace) {
    const Placement exact[] = {
        {item::banner, {88, 8, 225, 49}},        {item::instruction, {96, 64, 257, 17}},
        {item::boxes[0], {8, 88, 73, 17}},       {item::boxes[5], {8, 168, 81, 17}},
        {item::boxes[6], {8, 184, 73, 17}},      {item::boxes[7], {96, 88, 73, 17}},
        {item::boxes[13], {96, 184, 73, 17}},    {item::boxes[14], {184, 88, 73, 17}},
        {item::boxes[16], {184, 120, 89, 17}},   {item::boxes[20], {184, 184, 73, 17}},
        {item::boxes[21], {288, 88, 73, 17}},    {item::reset, {328, 184, 57, 17}},
        {item::reset_frame, {328, 184, 57, 17}}, {item::all, {392, 184, 57, 17}},
        {item::all_frame, {392, 184, 57, 17}},   {item::command_line, {8, 216, 457, 19}},
        {item::rule, {0, 207, 472, 3}},          {item::prefix, {8, 248, 145, 17}},
        {item::quote, {184, 248, 17, 17}},       {item::total, {208, 248, 97, 17}},
    };
    for (const auto& [name, pixels] : exact)
        EXPECT_EQ(widget(name)->geometry(), pixels) << name;
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
    EXPECT_EQ(form->objectName(), qt_name(item::form1));
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
    EXPECT_EQ(widget<QLineEdit>(item::instruction)->text(), "Select the emotes you want to allow.");
    EXPECT_EQ(widget<QLabel>(item::reset)->text(), "Reset");
    EXPECT_EQ(widget<QLabel>(item::all)->text(), "ALL");
    EXPECT_EQ(widget<QLabel>(item::prefix)->text(), "set kv_emoteControl ");
    EXPECT_EQ(widget<QLabel>(item::quote)->text(), "\"");
    EXPECT_EQ(total(), "0");
    EXPECT_TRUE(widget<QLabel>(item::reset)->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(line_box()->alignment() & Qt::AlignHCenter);
}

TEST_F(Form1Test, StoredTextsLieBelowTheClientAreaYetStayReadableAndWritable) {
    for (std::string_view name : {item::prefix, item::total, item::quote})
        EXPECT_GE(widget(name)->y(), form->height()) << name;
    form->items().label(item::total).set_caption("12");
    EXPECT_EQ(form->items().label(item::total).caption(), "12");
}

TEST_F(Form1Test, ItemsStartAsTheHeadlessCellsDo) {
    form::Form1Cells cells;
    for (const core::EmoteRow& row : core::emote_table)
        EXPECT_EQ(form->items().check_box(row.name).value(), cells.check_box(row.name).value());
    for (std::string_view name : {item::reset, item::prefix, item::total, item::quote, item::all})
        EXPECT_EQ(form->items().label(name).caption(), cells.label(name).caption()) << name;
    EXPECT_EQ(form->items().timer(item::timer).interval(), cells.timer(item::timer).interval());
    EXPECT_TRUE(form->items().timer(item::timer).enabled());
}

TEST_F(Form1Test, FontsStandInForTheStoredFamilyAtTheStoredSizes) {
    const QFontInfo standard(box(1)->font());
    EXPECT_EQ(standard.family(), "Liberation Sans");
    EXPECT_EQ(standard.pixelSize(), 11);
    EXPECT_FALSE(standard.bold());
    const QFontInfo bold(widget(item::instruction)->font());
    EXPECT_TRUE(bold.bold());
    EXPECT_EQ(bold.pixelSize(), 11);
    const QFontInfo large(widget(item::reset)->font());
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
    for (std::string_view name : {item::reset, item::all}) {
        auto* label = widget<QLabel>(name);
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width() - 6)
            << name;
    }
    auto* instruction = widget<QLineEdit>(item::instruction);
    EXPECT_LE(QFontMetrics(instruction->font()).horizontalAdvance(instruction->text()),
              instruction->width() - 4);
}

TEST_F(Form1Test, FocusStartsOnTheFirstBoxAndTabsInTheStoredOrder) {
    EXPECT_EQ(QApplication::focusWidget(), widget(item::boxes[0]));
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 24; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QStringList expected{qt_name(item::boxes[0]), qt_name(item::command_line),
                         qt_name(item::banner)};
    for (std::size_t box = 1; box < item::boxes.size(); ++box)
        expected << qt_name(item::boxes[box]);
    expected << qt_name(item::boxes[0]);
    EXPECT_EQ(order, expected);
    for (std::string_view name :
         {item::reset, item::all, item::total, item::reset_frame, item::rule, item::instruction})
        EXPECT_EQ(widget(name)->focusPolicy(), Qt::NoFocus) << name;
}

} // namespace
