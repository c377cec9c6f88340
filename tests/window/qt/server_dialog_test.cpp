// Form1's way to the server and to its configuration file, in the real window: the line
// menu's commands and their shortcuts, a configuration file dropped onto the window, and the
// Server dialog driven by its items' names against real dedicated servers, a silent peer and
// the keychain. session_bus.sh runs it on a private session bus, with a keychain there or none.

#include "core/item_names.h"
#include "form/form1_menu.h"
#include "tests/cli/cli_process.h"
#include "tests/cli/dedicated_server.h"
#include "tests/temp_folder.h"
#include "window/qt/form1_events.h"
#include "window/qt/form1_window.h"
#include "window/qt/server_dialog_window.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <map>
#include <memory>
#include <unistd.h>

Q_DECLARE_METATYPE(Engine)

namespace {

using namespace tallyglyph;
namespace item = core::item;
namespace dialog_item = core::item::server_dialog;

const QString password = QStringLiteral("tallyglyph-test");
constexpr int exchange_ms = 15000; // a server's answers, an OpenJK rate limit's retries among them

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString line_for(std::uint32_t value) {
    return QStringLiteral("set kv_emoteControl \"%1\"").arg(value);
}

} // namespace

class ServerDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void line_menu_offers_the_commands_after_its_own();
    void server_commands_open_one_dialog_data();
    void server_commands_open_one_dialog();
    void file_commands_tell_their_outcome_data();
    void file_commands_tell_their_outcome();
    void dropped_configuration_file_sets_the_boxes_data();
    void dropped_configuration_file_sets_the_boxes();
    void screen_readers_find_each_control_by_its_name();

    void read_sets_the_boxes_data() { engines(); }
    void read_sets_the_boxes();
    void apply_is_read_back_by_the_companion_data() { engines(); }
    void apply_is_read_back_by_the_companion();
    void wrong_password_is_told_after_one_request_data() { engines(); }
    void wrong_password_is_told_after_one_request();
    void close_ends_a_silent_wait_while_the_window_goes_on();

    void remember_is_disabled_without_a_keychain();
    void remembered_password_comes_back();

private:
    static void engines() {
        QTest::addColumn<Engine>("engine");
        QTest::newRow("ioquake3") << Engine::ioquake3;
        QTest::newRow("openjk") << Engine::openjk;
    }
    // One server of each engine for the whole run, started when first asked for.
    DedicatedServer* server(Engine engine);

    template <typename Widget = QWidget>
    Widget* in_form(std::string_view name) {
        return form_->find<Widget>(name);
    }
    template <typename Widget = QWidget>
    Widget* in_dialog(std::string_view name) {
        return dialog_ ? dialog_->find<Widget>(name) : nullptr;
    }
    QString total() { return in_form<QLabel>(item::total)->text(); }
    QString result() { return in_dialog<QLineEdit>(dialog_item::result)->text(); }
    // The dialog, opened as a user opens it: a shortcut pressed while a box has the focus.
    [[nodiscard]] bool open_dialog(Qt::KeyboardModifiers modifiers, Qt::Key key);
    void fill(const QString& server, const QString& secret);
    void press(std::string_view button) {
        QTest::mouseClick(in_dialog<QPushButton>(button), Qt::LeftButton);
    }
    // The message box that tells an outcome: its icon and text; it is closed.
    std::pair<QMessageBox::Icon, QString> told();

    std::unique_ptr<TempFolder> folder_;
    std::unique_ptr<window::Form1> form_;
    QPointer<window::ServerDialogWindow> dialog_;
    std::map<Engine, std::unique_ptr<DedicatedServer>> servers_;
};

void ServerDialogTest::init() {
    folder_ = std::make_unique<TempFolder>();
    qputenv("XDG_CONFIG_HOME", folder_->file("config").c_str());
    form_ = std::make_unique<window::Form1>();
    window::open_form1(*form_);
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void ServerDialogTest::cleanup() {
    form_.reset();
    folder_.reset();
}

DedicatedServer* ServerDialogTest::server(Engine engine) {
    if (const std::string reason = DedicatedServer::missing(engine); !reason.empty())
        return nullptr;
    std::unique_ptr<DedicatedServer>& kept = servers_[engine];
    if (!kept)
        kept = std::make_unique<DedicatedServer>(engine);
    return kept.get();
}

bool ServerDialogTest::open_dialog(Qt::KeyboardModifiers modifiers, Qt::Key key) {
    // As a click on the window makes it active, when the dialog was.
    form_->activateWindow();
    if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == form_.get(); }))
        return false;
    QWidget* box = in_form(item::boxes[0]);
    box->setFocus();
    QTest::keyClick(box, key, modifiers);
    dialog_ = form_->findChild<window::ServerDialogWindow*>();
    return dialog_ && QTest::qWaitForWindowExposed(dialog_);
}

void ServerDialogTest::fill(const QString& server, const QString& secret) {
    QLineEdit* field = in_dialog<QComboBox>(dialog_item::server)->lineEdit();
    field->clear();
    QTest::keyClicks(field, server);
    QTest::keyClicks(in_dialog(dialog_item::password), secret);
}

std::pair<QMessageBox::Icon, QString> ServerDialogTest::told() {
    QMessageBox* box = nullptr;
    const bool shown = QTest::qWaitFor([&] { return (box = form_->findChild<QMessageBox*>()); });
    if (!shown)
        return {QMessageBox::NoIcon, QStringLiteral("no message box")};
    const std::pair answer{box->icon(), box->text()};
    delete box;
    return answer;
}

void ServerDialogTest::line_menu_offers_the_commands_after_its_own() {
    auto* line = in_form<QLineEdit>(item::command_line);
    const QPoint at = line->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, line->mapToGlobal(at));
    QApplication::sendEvent(line, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    const QList<QAction*> actions = menu->actions();
    const auto entries = form::form1_line_menu();
    QVERIFY(actions.size() > qsizetype(entries.size()) + 1);
    QVERIFY(menu->findChild<QAction*>("edit-paste")); // the line's own entries stay, first
    const qsizetype first = actions.size() - qsizetype(entries.size());
    QVERIFY(actions[first - 1]->isSeparator());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        QAction* action = actions[first + qsizetype(i)];
        QCOMPARE(action->text(), qt(entries[i].text));
        QCOMPARE(action->shortcut().toString(), qt(form::shortcut_text(entries[i].shortcut)));
        QCOMPARE(action->shortcutContext(), Qt::WindowShortcut);
    }
    menu->close();
}

// Pressed while a box has the focus, Read and Apply open the one dialog of the window, each
// with its own button as the one Enter presses.
void ServerDialogTest::server_commands_open_one_dialog_data() {
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("default_button");
    QTest::addColumn<int>("other_modifiers");
    QTest::addColumn<int>("other_key");
    const int ctrl = Qt::ControlModifier;
    const int ctrl_shift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("read from server")
        << ctrl << int(Qt::Key_R) << qt(dialog_item::read) << ctrl_shift << int(Qt::Key_A);
    QTest::newRow("apply to server")
        << ctrl_shift << int(Qt::Key_A) << qt(dialog_item::apply) << ctrl << int(Qt::Key_R);
}

void ServerDialogTest::server_commands_open_one_dialog() {
    QFETCH(int, modifiers);
    QFETCH(int, key);
    QFETCH(QString, default_button);
    QFETCH(int, other_modifiers);
    QFETCH(int, other_key);
    QVERIFY(open_dialog(Qt::KeyboardModifiers(modifiers), Qt::Key(key)));
    QVERIFY(in_dialog<QPushButton>(default_button.toStdString())->isDefault());
    QCOMPARE(QApplication::focusWidget(), in_dialog(dialog_item::server));
    QWidget* first = dialog_;
    QVERIFY(open_dialog(Qt::KeyboardModifiers(other_modifiers), Qt::Key(other_key)));
    QCOMPARE(form_->findChildren<window::ServerDialogWindow*>().size(), 1);
    QCOMPARE(dialog_.data(), first);
    QVERIFY(!in_dialog<QPushButton>(default_button.toStdString())->isDefault());
}

// Open and Save choose a file in Qt's file dialog, and tell what they did in a message box.
void ServerDialogTest::file_commands_tell_their_outcome_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("file_after");
    const QString cfg = QStringLiteral("map q3dm1\r\nset kv_emoteControl \"2097153\"\r\n");
    const QString bare = QStringLiteral("map q3dm1\n");
    QTest::newRow("open") << int(Qt::Key_O) << cfg << int(QMessageBox::Information)
                          << "Read set kv_emoteControl \"2097153\" from FILE:2"
                          << "2097153" << cfg;
    QTest::newRow("open, no value there")
        << int(Qt::Key_O) << bare << int(QMessageBox::Warning)
        << "FILE and the files it runs do not set kv_emoteControl: the server's own value applies"
        << "1" << bare;
    QTest::newRow("save into")
        << int(Qt::Key_S) << cfg << int(QMessageBox::Information)
        << "Saved set kv_emoteControl \"1\" at FILE:2; the previous content is in FILE~"
        << "1" << QStringLiteral("map q3dm1\r\nset kv_emoteControl \"1\"\r\n");
}

void ServerDialogTest::file_commands_tell_their_outcome() {
    QFETCH(int, key);
    QFETCH(QString, file);
    QFETCH(int, icon);
    QFETCH(QString, told);
    QFETCH(QString, total);
    QFETCH(QString, file_after);
    in_form<QCheckBox>(item::boxes[0])->setChecked(true);
    folder_->write("server.cfg", file.toStdString());
    const QString path = QString::fromStdString(folder_->file("server.cfg"));
    QTimer::singleShot(0, this, [path] {
        auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        chooser->selectFile(path);
        static_cast<QDialog*>(chooser)->accept(); // as its Open button does
    });
    QWidget* box = in_form(item::boxes[4]);
    box->setFocus();
    QTest::keyClick(box, Qt::Key(key), Qt::ControlModifier);
    const auto [shown_icon, shown_text] = this->told();
    QCOMPARE(int(shown_icon), icon);
    QCOMPARE(shown_text, QString(told).replace("FILE", path));
    QCOMPARE(this->total(), total);
    QCOMPARE(QString::fromStdString(folder_->read("server.cfg")), file_after);
}

void ServerDialogTest::dropped_configuration_file_sets_the_boxes_data() {
    QTest::addColumn<QString>("onto");
    QTest::newRow("a box") << qt(item::boxes[7]);
    QTest::newRow("the line") << qt(item::command_line);
    QTest::newRow("the banner") << qt(item::banner);
}

void ServerDialogTest::dropped_configuration_file_sets_the_boxes() {
    QFETCH(QString, onto);
    folder_->write("server.cfg", "set kv_emoteControl 129 // Sit and Kiss\n");
    QMimeData dragged;
    dragged.setUrls({QUrl::fromLocalFile(QString::fromStdString(folder_->file("server.cfg")))});
    dragged.setText(dragged.urls().front().toString()); // as file managers offer it too
    const QPoint at = in_form(onto.toStdString())->geometry().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form_->windowHandle(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form_->windowHandle(), &drop);
    QCOMPARE(told().first, QMessageBox::Information);
    QCOMPARE(total(), "129");
    QTRY_COMPARE(in_form<QLineEdit>(item::command_line)->text(), line_for(129));
}

// As a screen reader names them: the Server field, an editable list, by the label that
// names it; the others by their own names.
void ServerDialogTest::screen_readers_find_each_control_by_its_name() {
    QVERIFY(open_dialog(Qt::ControlModifier, Qt::Key_R));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(dialog_);
    QStringList found;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* control = window->child(i);
        QString name = control->text(QAccessible::Name);
        if (control->role() == QAccessible::ComboBox) {
            const auto labels = control->relations(QAccessible::Label); // those labelling it
            QCOMPARE(labels.size(), 1);
            name = labels.front().first->text(QAccessible::Name);
        }
        if (control->role() != QAccessible::StaticText)
            found << QStringLiteral("%1 %2").arg(control->role()).arg(name);
    }
    const QStringList expected{
        QStringLiteral("%1 Server").arg(QAccessible::ComboBox),
        QStringLiteral("%1 Password").arg(QAccessible::EditableText),
        QStringLiteral("%1 Remember the password").arg(QAccessible::CheckBox),
        QStringLiteral("%1 Read").arg(QAccessible::Button),
        QStringLiteral("%1 Apply").arg(QAccessible::Button),
        QStringLiteral("%1 Close").arg(QAccessible::Button),
        QStringLiteral("%1 Result").arg(QAccessible::EditableText)};
    QCOMPARE(found, expected);
}

void ServerDialogTest::read_sets_the_boxes() {
    QFETCH(Engine, engine);
    DedicatedServer* real = server(engine);
    if (!real)
        QSKIP(DedicatedServer::missing(engine).c_str());
    setenv("TALLYGLYPH_RCON_PASSWORD", password.toUtf8().constData(), 1);
    QCOMPARE(run_cli({"set", "--server", real->address(), "2097153"}).exit_code, 0);
    const QString address = QString::fromStdString(real->address());

    QVERIFY(open_dialog(Qt::ControlModifier, Qt::Key_R));
    fill(address, password);
    press(dialog_item::read);
    QTRY_COMPARE_WITH_TIMEOUT(result(), "Read " + line_for(2097153) + " from " + address,
                              exchange_ms);
    QCOMPARE(total(), "2097153");
    QTRY_COMPARE(in_form<QLineEdit>(item::command_line)->text(), line_for(2097153));
    // The server talked to is saved, and offered when the dialog opens again.
    QCOMPARE(in_dialog<QComboBox>(dialog_item::server)->itemText(0), address);
}

void ServerDialogTest::apply_is_read_back_by_the_companion() {
    QFETCH(Engine, engine);
    DedicatedServer* real = server(engine);
    if (!real)
        QSKIP(DedicatedServer::missing(engine).c_str());
    const QString address = QString::fromStdString(real->address());
    in_form<QCheckBox>(item::boxes[0])->setChecked(true);
    in_form<QCheckBox>(item::boxes[7])->setChecked(true);

    QVERIFY(open_dialog(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_A));
    fill(address, password);
    QTest::keyClick(in_dialog(dialog_item::password), Qt::Key_Return); // Apply is the default
    QTRY_COMPARE_WITH_TIMEOUT(result(), "Applied " + line_for(129) + " to " + address, exchange_ms);
    setenv("TALLYGLYPH_RCON_PASSWORD", password.toUtf8().constData(), 1);
    const CliRun get = run_cli({"get", "--server", real->address(), "--value"});
    QCOMPARE(get.exit_code, 0);
    QCOMPARE(get.out, "129\n");
}

void ServerDialogTest::wrong_password_is_told_after_one_request() {
    QFETCH(Engine, engine);
    DedicatedServer* real = server(engine);
    if (!real)
        QSKIP(DedicatedServer::missing(engine).c_str());
    const QString address = QString::fromStdString(real->address());
    const int refused_before = real->refused_requests();

    QVERIFY(open_dialog(Qt::ControlModifier, Qt::Key_R));
    fill(address, QStringLiteral("not-the-password"));
    press(dialog_item::read);
    QTRY_COMPARE_WITH_TIMEOUT(
        result(), address + " did not accept the rcon password (Bad rconpassword.)", exchange_ms);
    QCOMPARE(real->refused_requests() - refused_before, 1);
    QCOMPARE(total(), "0");
}

void ServerDialogTest::close_ends_a_silent_wait_while_the_window_goes_on() {
    int port = 0;
    const int silent = loopback_socket(port);
    const QString address = QStringLiteral("127.0.0.1:%1").arg(port);
    QVERIFY(open_dialog(Qt::ControlModifier, Qt::Key_R));
    fill(address, password);
    press(dialog_item::read);
    QCOMPARE(result(), "Reading from " + address + "...");
    QVERIFY(!in_dialog(dialog_item::read)->isEnabled());
    press(dialog_item::read); // a second Read while one runs starts nothing

    // The window goes on meanwhile: its line follows a ticked box at once.
    QTest::mouseClick(in_form(item::boxes[1]), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(in_form<QLineEdit>(item::command_line)->text(), line_for(2), 1000);

    press(dialog_item::close);
    // The dialog goes once its exchange has ended, well before the peer's first second is up.
    QTRY_VERIFY_WITH_TIMEOUT(dialog_.isNull(), 900);
    QCOMPARE(total(), "2");
    close(silent);
}

void ServerDialogTest::remember_is_disabled_without_a_keychain() {
    if (qEnvironmentVariableIsSet("TALLYGLYPH_TEST_KEYRING"))
        QSKIP("a keychain serves this session");
    QVERIFY(open_dialog(Qt::ControlModifier, Qt::Key_R));
    auto* remember = in_dialog<QCheckBox>(dialog_item::remember);
    QVERIFY(!remember->isEnabled());
    QVERIFY2(remember->toolTip().startsWith("No keychain (GNOME Keyring or KWallet) answers in "
                                            "this session, so the password cannot be remembered: "),
             qPrintable(remember->toolTip()));
}

// Kept in the keychain, never in servers.ini, and found again when the dialog opens anew.
void ServerDialogTest::remembered_password_comes_back() {
    if (!qEnvironmentVariableIsSet("TALLYGLYPH_TEST_KEYRING"))
        QSKIP("no keychain serves this session; session_bus.sh keyring gives one");
    DedicatedServer* real = server(Engine::ioquake3);
    if (!real)
        QSKIP(DedicatedServer::missing(Engine::ioquake3).c_str());
    const QString address = QString::fromStdString(real->address());

    QVERIFY(open_dialog(Qt::ControlModifier, Qt::Key_R));
    auto* remember = in_dialog<QCheckBox>(dialog_item::remember);
    QVERIFY2(remember->isEnabled(), qPrintable(remember->toolTip()));
    fill(address, password);
    QTest::mouseClick(remember, Qt::LeftButton);
    press(dialog_item::read);
    QTRY_VERIFY_WITH_TIMEOUT(result().startsWith("Read "), exchange_ms);
    press(dialog_item::close);
    QTRY_VERIFY(dialog_.isNull());

    QVERIFY(open_dialog(Qt::ControlModifier, Qt::Key_R));
    QCOMPARE(in_dialog<QComboBox>(dialog_item::server)->currentText(), address);
    QCOMPARE(in_dialog<QLineEdit>(dialog_item::password)->text(), password);
    QVERIFY(in_dialog<QCheckBox>(dialog_item::remember)->isChecked());

    QProcess lookup;
    lookup.start(QStringLiteral("secret-tool"), {QStringLiteral("lookup"), "server", address});
    QVERIFY(lookup.waitForFinished());
    QCOMPARE(QString::fromUtf8(lookup.readAllStandardOutput()), password);
    const std::string saved = folder_->read("config/tallyglyph/servers.ini");
    QVERIFY(saved.find(address.toStdString()) != std::string::npos);
    QVERIFY(saved.find(password.toStdString()) == std::string::npos);
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tallyglyph::window::configure_application(app);
    ServerDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "server_dialog_test.moc"
