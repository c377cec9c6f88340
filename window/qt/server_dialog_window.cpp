#include "server_dialog_window.h"

#include "core/item_names.h"
#include "desktop_look.h"
#include "form/server_dialog_layout.h"
#include "form1_window.h"
#include "normal_state_keeper.h"
#include "window/run_time_error_report.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

namespace tallyglyph::window {

using namespace form;
namespace {

namespace item = core::item::server_dialog;

// The description's places fit the standard dialog font, 8 pt at 96 dpi.
constexpr double standard_font_pixels = 11;

QString to_qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QtPushButton::QtPushButton(QPushButton* button) : button_(button) {
    clicked_ =
        QObject::connect(button_, &QPushButton::clicked, button_, [this] { run_handler(click_); });
}

QtPushButton::~QtPushButton() {
    QObject::disconnect(clicked_);
}

std::string QtPushButton::caption() const {
    return button_->text().toStdString();
}

void QtPushButton::set_caption(std::string_view caption) {
    button_->setText(to_qstring(caption));
}

void DialogItems::add(std::string name, QCheckBox* box) {
    check_boxes_.add(name, std::make_unique<QtCheckBox>(name, box));
}

void DialogItems::add(std::string name, QPushButton* button) {
    labels_.add(name, std::make_unique<QtPushButton>(button));
}

void DialogItems::add(std::string name, QLineEdit* edit) {
    text_boxes_.add(name, std::make_unique<QtTextBox>(name, edit));
}

ServerDialogWindow::ServerDialogWindow(Form1& form1, std::string servers_file) : QDialog(&form1) {
    setObjectName(to_qstring(server_dialog.name));
    setWindowTitle(to_qstring(server_dialog.caption));
    setFont(desktop_font());
    setPalette(desktop_palette());
    scale_ = std::max(1.0, QFontInfo(font()).pixelSize() / standard_font_pixels);

    for (const ItemDescription& item : server_dialog_items())
        build_item(item);
    for (const ItemDescription& item : server_dialog_items())
        if (!item.buddy.empty())
            find<QLabel>(item.name)->setBuddy(find(item.buddy));
    QWidget* previous = nullptr;
    for (std::string_view name : server_dialog_tab_order()) {
        QWidget* next = find(name);
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }

    auto* server = find<QComboBox>(item::server);
    connect(server, &QComboBox::textActivated, this, &ServerDialogWindow::choose_server);
    connect(server->lineEdit(), &QLineEdit::editingFinished, this,
            &ServerDialogWindow::choose_server);
    // A result longer than its line shows from its start; the rest is a scroll away.
    auto* result = find<QLineEdit>(item::result);
    connect(result, &QLineEdit::textChanged, result, [result] { result->setCursorPosition(0); });
    connect(find<QPushButton>(item::close), &QPushButton::clicked, this,
            &ServerDialogWindow::reject);

    const QSize size(pixels(server_dialog.client_width), pixels(server_dialog.client_height));
    setFixedSize(size);
    dialog_.emplace(*this, keychain_, form1.items(), std::move(servers_file));
    create();
    new NormalStateKeeper(*this, size);
}

ServerDialogWindow::~ServerDialogWindow() {
    stop_following_server_field();
}

int ServerDialogWindow::pixels(int twips) const {
    return qRound(twips * scale_ / twips_per_pixel);
}

void ServerDialogWindow::build_item(const ItemDescription& item) {
    const std::string key(item.name);
    QWidget* widget = nullptr;
    switch (item.kind) {
    case ItemKind::label: {
        auto* label = new QLabel(to_qstring(item.text), this);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        widget = label;
        break;
    }
    case ItemKind::combo_box: {
        auto* combo = new QComboBox(this);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->lineEdit()->setPlaceholderText(to_qstring(item.accessible_description));
        combo->lineEdit()->setAccessibleName(to_qstring(item.accessible_name));
        items_.add(key, combo->lineEdit());
        widget = combo;
        break;
    }
    case ItemKind::text_box: {
        auto* edit = new QLineEdit(this);
        edit->setEchoMode(item.masked ? QLineEdit::Password : QLineEdit::Normal);
        edit->setReadOnly(item.read_only);
        items_.add(key, edit);
        widget = edit;
        break;
    }
    case ItemKind::check_box: {
        auto* box = new QCheckBox(to_qstring(item.text), this);
        items_.add(key, box);
        widget = box;
        break;
    }
    case ItemKind::button: {
        auto* button = new QPushButton(to_qstring(item.text), this);
        items_.add(key, button);
        widget = button;
        break;
    }
    case ItemKind::picture_box:
    case ItemKind::shape:
    case ItemKind::line:
    case ItemKind::timer:
        throw std::logic_error("the Server dialog draws no " + key);
    }
    widget->setObjectName(to_qstring(item.name));
    if (!item.accessible_name.empty())
        widget->setAccessibleName(to_qstring(item.accessible_name));
    if (!item.accessible_description.empty())
        widget->setAccessibleDescription(to_qstring(item.accessible_description));
    widget->setGeometry(pixels(item.place.left), pixels(item.place.top), pixels(item.place.width),
                        pixels(item.place.height));
}

void ServerDialogWindow::present(std::string_view default_button) {
    for (std::string_view button : {item::read, item::apply})
        find<QPushButton>(button)->setDefault(button == default_button);
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    run_handler([this] { dialog_->opened(); });
    chosen_ = find<QComboBox>(item::server)->currentText();
    find(server_dialog_tab_order().front())->setFocus();
    show();
}

void ServerDialogWindow::choose_server() {
    const QString server = find<QComboBox>(item::server)->currentText();
    if (server == chosen_)
        return;
    chosen_ = server;
    run_handler([this] { dialog_->server_chosen(); });
}

void ServerDialogWindow::stop_following_server_field() {
    auto* server = find<QComboBox>(item::server);
    server->disconnect(this);
    server->lineEdit()->disconnect(this);
}

void ServerDialogWindow::offer_servers(const std::vector<std::string>& names) {
    auto* server = find<QComboBox>(item::server);
    // The list changes under what the field holds, which stays.
    const QSignalBlocker blocker(server);
    const QString text = server->currentText();
    server->clear();
    for (const std::string& name : names)
        server->addItem(QString::fromStdString(name));
    server->setEditText(text);
}

void ServerDialogWindow::set_enabled(std::string_view item, bool enabled,
                                     std::string_view why_not) {
    QWidget* widget = find(item);
    widget->setEnabled(enabled);
    widget->setToolTip(enabled ? QString() : to_qstring(why_not));
}

bool ServerDialogWindow::confirm(std::string_view question) {
    return QMessageBox::question(this, windowTitle(), to_qstring(question)) == QMessageBox::Yes;
}

void ServerDialogWindow::post(std::function<void()> call) {
    QMetaObject::invokeMethod(
        this, [call = std::move(call)] { run_handler(call); }, Qt::QueuedConnection);
}

void ServerDialogWindow::reject() {
    run_handler([this] { dialog_->closing(); });
    stop_following_server_field();
    QDialog::reject();
    deleteLater();
}

} // namespace tallyglyph::window
