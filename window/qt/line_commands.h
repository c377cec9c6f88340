#pragma once
// Form1's way to a server and to its configuration file: the four commands that the line's
// context menu offers after its own entries (form/form1_menu.h), each with its shortcut in the
// whole window; the Server dialog that Read and Apply open, one per window, which leaves the
// window going on; Qt's file dialog for Open and Save, which tell their outcome in a message
// box; and a configuration file dropped anywhere on the window, which sets the boxes as Open
// does. A text dropped into the line stays a paste.

#include "form/form1_menu.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <string_view>

namespace tallyglyph::window {

class Form1;
class ServerDialogWindow;
struct FileOutcome;

class LineCommands final : public QObject {
public:
    // Made once Form1 is built; Form1 owns it.
    explicit LineCommands(Form1& form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run(form::LineCommand command);
    void open_server_dialog(std::string_view default_button);
    // A configuration file chosen in Qt's file dialog, or none.
    QString choose_file(const QString& title, const QString& accept);
    void open_config(const QString& path);
    void tell(const QString& title, const FileOutcome& outcome);

    Form1& form_;
    QPointer<ServerDialogWindow> dialog_;
    QString folder_; // where the last configuration file was chosen
};

} // namespace tallyglyph::window
