#include "first_frame_report.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

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
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("first-frame-ns %lld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
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
    if (qEnvironmentVariableIsEmpty("TALLYGLYPH_REPORT_FIRST_FRAME"))
        return;
    window.installEventFilter(new FirstPaintWatcher(&window));
}

} // namespace tallyglyph::window
