# One cpack run makes two Debian packages of the same version: tallyglyph-cli from the
# "cli" component, which depends only on the C and C++ run-times it links to, and
# tallyglyph from the "window" component, which depends on its Qt libraries and a font.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyglyph)
set(CPACK_PACKAGE_VERSION ${TALLYGLYPH_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tallyglyph authors")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING IGNORE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TALLYGLYPH_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries each program links to, found by dpkg-shlibdeps. The first line of each
# description is the package's synopsis.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_DEBIAN_CLI_PACKAGE_NAME tallyglyph-cli)
set(CPACK_DEBIAN_CLI_DESCRIPTION
    "kv_emoteControl line builder for Korvath servers, command-line tool
tallyglyph-cli builds the kv_emoteControl console line of a Korvath game
server from emote names, lists the 22 emotes with their bits, and lists the
emotes a value or a line allows. It follows the same rules as the Tallyglyph
window and needs no graphical desktop, so it suits headless servers and
scripts.")

set(CPACK_DEBIAN_WINDOW_PACKAGE_NAME tallyglyph)
set(CPACK_DEBIAN_WINDOW_DESCRIPTION
    "kv_emoteControl line builder for Korvath servers
Tallyglyph shows the 22 emotes of the Korvath game-server modification as
check boxes and the console line that allows the ticked ones, ready to copy
into the server console or its configuration. It can open on a value or a
line that a server already has. The command-line companion is in the
package tallyglyph-cli.")
# Qt loads its X11 platform plugin from libqt6gui6, which the scan finds; the window's font
# is only read, so the scan cannot see it. Qt's Wayland platform is a plugin too: without it
# a Wayland desktop runs the window through XWayland, which blurs it on scaled screens.
set(CPACK_DEBIAN_WINDOW_PACKAGE_DEPENDS "fonts-liberation | fonts-liberation2")
set(CPACK_DEBIAN_WINDOW_PACKAGE_RECOMMENDS "qt6-wayland")

set(CPACK_COMPONENTS_ALL cli)
if(TALLYGLYPH_WINDOW)
    list(APPEND CPACK_COMPONENTS_ALL window)
endif()
include(CPack)
