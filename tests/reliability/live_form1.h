#pragma once
// The real Form1 as the program opens it, with what the long window runs need on top: the
// boxes at hand, the sum of the ticked bits read from the widgets, and a wait for the next
// tick of the timer.

#include "tests/window/qt/form1_fixture.h"

#include <QEventLoop>
#include <QTimer>
#include <array>
#include <cstdint>

class LiveForm1 : public Form1Test {
protected:
    LiveForm1() : timer(widget<QTimer>(item::timer)) {
        for (const tallyglyph::core::EmoteRow& row : tallyglyph::core::emote_table)
            boxes[static_cast<std::size_t>(row.box - 1)] = box(row.box);
        // Connected after the window's own handler, so a counted tick has refreshed the line.
        QObject::connect(timer, &QTimer::timeout, form.get(), [this] { ++ticks; });
    }

    std::uint32_t ticked_sum() const {
        std::uint32_t sum = 0;
        for (const tallyglyph::core::EmoteRow& row : tallyglyph::core::emote_table)
            if (boxes[static_cast<std::size_t>(row.box - 1)]->isChecked())
                sum += row.bit;
        return sum;
    }
    QString expected_total() const { return QString::number(ticked_sum()); }
    QString expected_line() const {
        return QStringLiteral("set kv_emoteControl \"%1\"").arg(ticked_sum());
    }

    // Runs the event loop until the timer has ticked once more; false if it stays silent.
    bool next_tick() {
        const int seen = ticks;
        QEventLoop loop;
        QObject::connect(timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        return ticks != seen;
    }

    QPoint centre_of(std::string_view name) { return widget(name)->geometry().center(); }

    QTimer* timer;
    std::array<QCheckBox*, 22> boxes{};
    int ticks = 0;
};
