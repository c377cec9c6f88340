#include "qt_items.h"

#include "command_line_box.h"
#include "item_label.h"
#include "runtime/run_time_error.h"
#include "window/run_time_error_report.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

namespace tallyglyph::window {
namespace {

QString to_qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Qt 6.7 renamed the notification and deprecated the old name; both carry the same event.
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
constexpr auto check_state_changed = &QCheckBox::checkStateChanged;
#else
constexpr auto check_state_changed = &QCheckBox::stateChanged;
#endif

} // namespace

QtCheckBox::QtCheckBox(std::string name, QCheckBox* box) : name_(std::move(name)), box_(box) {
    // The state notification fires for user clicks and for code alike, and only on a real
    // change: exactly when the box's Click is due.
    changed_ = QObject::connect(box_, check_state_changed, box_, [this] { run_handler(click_); });
}

QtCheckBox::~QtCheckBox() {
    QObject::disconnect(changed_);
}

std::int16_t QtCheckBox::value() const {
    switch (box_->checkState()) {
    case Qt::Unchecked:
        return runtime::check_value::unchecked;
    case Qt::Checked:
        return runtime::check_value::checked;
    case Qt::PartiallyChecked:
        break;
    }
    return runtime::check_value::greyed;
}

void QtCheckBox::set_value(std::int16_t value) {
    runtime::require_check_value(name_, value);
    constexpr Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    box_->setCheckState(states[value]);
}

QtLabel::QtLabel(std::string name, ItemLabel* label)
    : name_(std::move(name)), label_(label), caption_(label->text().toStdString()) {
    clicked_ =
        QObject::connect(label_, &ItemLabel::clicked, label_, [this] { run_handler(click_); });
}

QtLabel::~QtLabel() {
    QObject::disconnect(clicked_);
}

void QtLabel::set_caption(std::string_view caption) {
    caption_ = caption;
    label_->setText(to_qstring(caption));
}

QtTextBox::QtTextBox(std::string name, QLineEdit* edit)
    : name_(std::move(name)), edit_(edit), shown_(edit->text().toStdString()) {
    edited_ = QObject::connect(edit_, &QLineEdit::textChanged, edit_,
                               [this](const QString& text) { shown_ = text.toStdString(); });
    if (auto* line = qobject_cast<CommandLineBox*>(edit_))
        pasted_ =
            QObject::connect(line, &CommandLineBox::pasted, line, [this](const QString& text) {
                const std::string pasted = text.toStdString();
                run_handler([this, &pasted] {
                    if (paste_)
                        paste_(pasted);
                });
            });
}

QtTextBox::~QtTextBox() {
    QObject::disconnect(edited_);
    QObject::disconnect(pasted_);
}

void QtTextBox::set_text(std::string_view text) {
    if (text != shown_)
        edit_->setText(to_qstring(text));
}

QtTimer::QtTimer(std::string name, QTimer* timer) : name_(std::move(name)), timer_(timer) {
    timeout_ = QObject::connect(timer_, &QTimer::timeout, timer_, [this] { run_handler(tick_); });
}

QtTimer::~QtTimer() {
    QObject::disconnect(timeout_);
}

int QtTimer::interval() const {
    return timer_->interval();
}

void QtTimer::set_interval(int milliseconds) {
    runtime::require_timer_interval(name_, milliseconds);
    timer_->setInterval(milliseconds);
}

bool QtTimer::enabled() const {
    return timer_->isActive();
}

void QtTimer::set_enabled(bool enabled) {
    if (enabled)
        timer_->start();
    else
        timer_->stop();
}

void QtItems::add(std::string name, QCheckBox* box) {
    check_boxes_.add(name, std::make_unique<QtCheckBox>(name, box));
}

void QtItems::add(std::string name, ItemLabel* label) {
    labels_.add(name, std::make_unique<QtLabel>(name, label));
}

void QtItems::add(std::string name, QLineEdit* edit) {
    text_boxes_.add(name, std::make_unique<QtTextBox>(name, edit));
}

void QtItems::add(std::string name, QTimer* timer) {
    timers_.add(name, std::make_unique<QtTimer>(name, timer));
}

} // namespace tallyglyph::window
