#include "line_commands.h"

#include "command_line_box.h"
#include "core/item_names.h"
#include "form1_window.h"
#include "server_dialog_window.h"
#include "servers/saved_servers.h"
#include "servers/servers_file.h"
#include "window/config_file_actions.h"
#include "window/run_time_error_report.h"

#include <QAction>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>

namespace tallyglyph::window {
namespace {

QString to_qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The one local file a drag carries, or none: a text, several files or a remote one are not
// a configuration file to open.
QString dragged_file(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

QString title_of(form::LineCommand command) {
    for (const form::MenuEntry& entry : form::form1_line_menu())
        if (entry.command == command)
            return to_qstring(entry.text).chopped(1); // without its ellipsis
    return {};
}

} // namespace

LineCommands::LineCommands(Form1& form) : QObject(&form), form_(form) {
    QList<QAction*> actions;
    for (const form::MenuEntry& entry : form::form1_line_menu()) {
        auto* action = new QAction(to_qstring(entry.text), &form);
        action->setShortcut(QKeySequence(QString::fromStdString(shortcut_text(entry.shortcut))));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this,
                [this, command = entry.command] { run(command); });
        actions.append(action);
    }
    form.addActions(actions);
    auto* line = form.find<CommandLineBox>(core::item::command_line);
    line->add_to_menu(actions);

    form.setAcceptDrops(true);
    form.installEventFilter(this);
    line->installEventFilter(this);
}

bool LineCommands::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (dragged_file(drag->mimeData()).isEmpty())
            break;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = dragged_file(drop->mimeData());
        if (path.isEmpty())
            break;
        drop->acceptProposedAction();
        open_config(path);
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void LineCommands::run(form::LineCommand command) {
    switch (command) {
    case form::LineCommand::read_from_server:
        open_server_dialog(core::item::server_dialog::read);
        break;
    case form::LineCommand::apply_to_server:
        open_server_dialog(core::item::server_dialog::apply);
        break;
    case form::LineCommand::open_config: {
        const QString path = choose_file(title_of(command), QStringLiteral("&Open"));
        if (!path.isEmpty())
            open_config(path);
        break;
    }
    case form::LineCommand::save_into_config: {
        const QString path = choose_file(title_of(command), QStringLiteral("&Save"));
        if (path.isEmpty())
            break;
        const std::uint32_t value = form1_value(form_.items());
        tell(title_of(command), save_into_config_file(value, path.toStdString()));
        break;
    }
    }
}

void LineCommands::open_server_dialog(std::string_view default_button) {
    if (!dialog_) {
        try {
            dialog_ = new ServerDialogWindow(form_, servers::servers_file());
        } catch (const servers::ServersError& error) {
            tell(title_of(form::LineCommand::read_from_server), {false, error.what()});
            return;
        }
    }
    dialog_->present(default_button);
}

// An existing file in both cases: saving changes the value in a file, it makes none.
QString LineCommands::choose_file(const QString& title, const QString& accept) {
    QFileDialog chooser(&form_, title, folder_,
                        QStringLiteral("Configuration files (*.cfg);;All files (*)"));
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setLabelText(QFileDialog::Accept, accept);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return {};
    const QString path = chooser.selectedFiles().front();
    folder_ = QFileInfo(path).absolutePath();
    return path;
}

void LineCommands::open_config(const QString& path) {
    FileOutcome outcome;
    run_handler([&] { outcome = open_config_file(form_.items(), path.toStdString()); });
    tell(title_of(form::LineCommand::open_config), outcome);
}

// Told without waiting, so the window and its tick go on while the message shows.
void LineCommands::tell(const QString& title, const FileOutcome& outcome) {
    auto* box =
        new QMessageBox(outcome.done ? QMessageBox::Information : QMessageBox::Warning, title,
                        QString::fromStdString(outcome.message), QMessageBox::Ok, &form_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace tallyglyph::window
