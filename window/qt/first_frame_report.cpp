#include "first_frame_report.h"

#include "window/first_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <sys/resource.h>

namespace tallyglyph::window {
namespace {

// Painting and flushing happen in one pass; a zero timer fires once that pass is over.
class FirstPaintWatcher final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                const auto peak = static_cast<std::uint64_t>(usage.ru_maxrss) * 1024;
                std::fputs(first_frame_line(peak).c_str(), stdout);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace

void report_first_frame_if_asked(QWidget& window) {
    if (!first_frame_asked())
        return;
    window.installEventFilter(new FirstPaintWatcher(&window));
}

} // namespace tallyglyph::window
