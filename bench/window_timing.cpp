// Two timings that need the real event loop: how many ticks of the timer arrive per second, and
// how long a click on a box takes to show in the painted line (median).

#include "core/item_names.h"
#include "window/qt/form1_events.h"
#include "window/qt/form1_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

using namespace tallyglyph;
using Clock = std::chrono::steady_clock;

double ticks_per_second(window::Form1& form, int milliseconds) {
    auto* timer = form.find<QTimer>(core::item::timer);
    long ticks = 0;
    const auto counter = QObject::connect(timer, &QTimer::timeout, [&ticks] { ++ticks; });
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QObject::disconnect(counter);
    return ticks * 1000.0 / static_cast<double>(elapsed.elapsed());
}

// Marks the moment the line box has painted the line it is waiting for.
class LinePainted final : public QObject {
public:
    explicit LinePainted(QLineEdit* line) : line_(line) { line_->installEventFilter(this); }
    void expect(const QString& text) {
        expected_ = text;
        painted_.reset();
    }
    bool done() const { return painted_.has_value(); }
    Clock::time_point when() const { return *painted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool result = QObject::eventFilter(watched, event);
        if (event->type() == QEvent::Paint && line_->text() == expected_ && !painted_)
            painted_ = Clock::now();
        return result;
    }

private:
    QLineEdit* line_;
    QString expected_;
    std::optional<Clock::time_point> painted_;
};

double click_to_painted_line_us(window::Form1& form, int clicks) {
    auto* line = form.find<QLineEdit>(core::item::command_line);
    LinePainted painted(line);
    std::vector<double> samples;
    for (int i = 0; i < clicks; ++i) {
        auto* box = form.find(core::item::boxes[static_cast<std::size_t>(i % 22)]);
        // Let a few ticks pass so each click lands at a random point of the tick period.
        QTest::qWait(3 + i % 3);
        const bool checking = form.items().check_box(box->objectName().toStdString()).value() == 0;
        const QString total =
            QString::fromStdString(form.items().label(core::item::total).caption());
        const long long bit = 1LL << (i % 22);
        painted.expect(QStringLiteral("set kv_emoteControl \"%1\"")
                           .arg(total.toLongLong() + (checking ? bit : -bit)));
        const auto start = Clock::now();
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                          box->geometry().topLeft() + QPoint(30, 8));
        while (!painted.done())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        samples.push_back(
            std::chrono::duration<double, std::micro>(painted.when() - start).count());
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
    QApplication app(argc, argv);
    window::configure_application(app);
    window::Form1 form;
    window::open_form1(form);
    // Only the active window ticks; without a window manager, nothing else activates it.
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fprintf(stderr, "window_timing: the window was never shown active\n");
        return 1;
    }
    std::printf("ticks_per_second %.0f\n", ticks_per_second(form, seconds * 1000));
    std::printf("click_to_painted_line_us_median %.0f\n", click_to_painted_line_us(form, 101));
    return 0;
}
