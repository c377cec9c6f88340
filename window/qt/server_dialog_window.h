#pragma once
// The Server dialog on Linux: a window of its own over Form1, built item by item from its
// stored description (form/server_dialog_layout.h) with Qt's own controls, in the desktop's
// font and colours, its places taken from the description and enlarged for a larger desktop
// font. It gives the dialog's behaviour (window/server_dialog.h) its items by name and runs
// its calls on the window's thread. Close, Escape and the close box end a running exchange
// and the dialog goes; opening it again builds it anew.

#include "qt_items.h"
#include "secret_service_keychain.h"
#include "window/server_dialog.h"

#include <QDialog>
#include <optional>
#include <string_view>

class QPushButton;

namespace tallyglyph::form {
struct ItemDescription;
}

namespace tallyglyph::window {

class Form1;

// Read, Apply and Close: push buttons, given to the dialog's behaviour as labels that can be
// clicked.
class QtPushButton final : public runtime::Label {
public:
    explicit QtPushButton(QPushButton* button);
    ~QtPushButton() override;
    std::string caption() const override;
    void set_caption(std::string_view caption) override;
    void on_click(runtime::EventHandler handler) override { click_ = std::move(handler); }

private:
    QPushButton* button_;
    runtime::EventHandler click_;
    QMetaObject::Connection clicked_;
};

class DialogItems final
    : public runtime::ItemsByName<QtCheckBox, QtPushButton, QtTextBox, QtTimer> {
public:
    void add(std::string name, QCheckBox* box);
    void add(std::string name, QPushButton* button);
    void add(std::string name, QLineEdit* edit);
};

class ServerDialogWindow final : public QDialog, public ServerDialogView {
    Q_OBJECT
public:
    // Over form1, whose value the dialog reads and applies.
    ServerDialogWindow(Form1& form1, std::string servers_file);
    ~ServerDialogWindow() override;

    // Shows the dialog, or raises it when it shows already, with the named button, Read or
    // Apply, as the one Enter presses.
    void present(std::string_view default_button);

    // The widget of the named item; none for a name it does not hold.
    template <typename Widget = QWidget>
    Widget* find(std::string_view item) const {
        return findChild<Widget*>(
            QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
    }

    runtime::Items& items() override { return items_; }
    void offer_servers(const std::vector<std::string>& names) override;
    void set_enabled(std::string_view item, bool enabled, std::string_view why_not) override;
    bool confirm(std::string_view question) override;
    void post(std::function<void()> call) override;

    void reject() override;

private:
    void build_item(const form::ItemDescription& item);
    // The Server field names the server the user picked from its list or typed.
    void choose_server();
    // Hiding moves the focus out of the Server field, which then names no server chosen.
    void stop_following_server_field();
    int pixels(int twips) const;

    double scale_ = 1;
    QString chosen_;
    SecretServiceKeychain keychain_;
    DialogItems items_;
    std::optional<ServerDialog> dialog_; // last: its exchange ends before the items go
};

} // namespace tallyglyph::window
