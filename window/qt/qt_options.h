#pragma once
// The options QApplication takes out of the command line (Qt 6), with one dash or two: those
// of every platform, those of the widgets, and those of the X11 platform. The window's own
// command line passes over them and leaves them to Qt.

#include "window/program_arguments.h"

namespace tallyglyph::window {

inline constexpr ToolkitOption qt_options[] = {
    {"platform", true, false, true},
    {"platformpluginpath", true, false},
    {"platformtheme", true, false},
    {"plugin", true, false},
    {"qwindowgeometry", true, false},
    {"qwindowicon", true, false},
    {"qwindowtitle", true, false},
    {"reverse", false, false},
    {"session", true, false},
    {"testability", false, false},
    {"qmljsdebugger", true, true},
    {"style", true, true},
    {"stylesheet", true, true},
    {"widgetcount", false, false},
    {"display", true, false},
    {"geometry", true, false},
    {"title", true, false},
    {"icon", true, false},
    {"name", true, false},
    {"visual", true, false},
    {"nograb", false, false},
    {"dograb", false, false},
};

} // namespace tallyglyph::window
