// The yardstick for the window's budgets: a bare Qt Widgets window of the same size with one
// label and an empty 1 ms precise timer, and nothing else.

#include "window/qt/first_frame_report.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(470, 240);
    QLabel label(QStringLiteral("baseline"), &window);
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, &window, [] {});
    tallyglyph::window::report_first_frame_if_asked(window);
    window.show();
    timer.start();
    return app.exec();
}
