# One cpack run in the Windows build makes tallyglyph-VERSION-win64.exe, a 64-bit NSIS
# installer, and tallyglyph-VERSION-win64.zip, the same files to run without installing.
# The installer puts them into Program Files\Tallyglyph, the window into the Start menu, and
# registers an uninstaller in Apps & features; /S installs and uninstalls silently.

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME tallyglyph)
set(CPACK_PACKAGE_VERSION ${TALLYGLYPH_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tallyglyph authors")
set(CPACK_PACKAGE_FILE_NAME tallyglyph-${TALLYGLYPH_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tallyglyph)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Tallyglyph)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_BINARY_DIR}/packaging/windows/LICENSE.txt)
set(CPACK_MONOLITHIC_INSTALL ON)
set(CPACK_STRIP_FILES ON)
# NSIS commands below are passed on as written.
set(CPACK_VERBATIM_VARIABLES ON)

set(icon ${PROJECT_SOURCE_DIR}/assets/tallyglyph.ico)
set(uninstall_key "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tallyglyph")
set(vendor_key "Software\\${CPACK_PACKAGE_VENDOR}")
set(CPACK_NSIS_PACKAGE_NAME Tallyglyph)
set(CPACK_NSIS_DISPLAY_NAME Tallyglyph)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${icon})
set(CPACK_NSIS_MUI_UNIICON ${icon})
set(CPACK_NSIS_INSTALLED_ICON_NAME Uninstall.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
if(TALLYGLYPH_WINDOW)
    # The window in the Start menu under the program's name, with its own icon, and offered to
    # start when the setup is done.
    set(CPACK_PACKAGE_EXECUTABLES tallyglyph Tallyglyph)
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
    set(CPACK_NSIS_MUI_FINISHPAGE_RUN tallyglyph.exe)
endif()
# The version information of the installer, which its uninstaller inherits.
set(CPACK_NSIS_DEFINES "
  !include FileFunc.nsh
  VIProductVersion ${PROJECT_VERSION}.0
  VIFileVersion ${PROJECT_VERSION}.0
  VIAddVersionKey /LANG=1033 ProductName Tallyglyph
  VIAddVersionKey /LANG=1033 ProductVersion ${TALLYGLYPH_VERSION}
  VIAddVersionKey /LANG=1033 FileVersion ${TALLYGLYPH_VERSION}
  VIAddVersionKey /LANG=1033 FileDescription \"Tallyglyph ${TALLYGLYPH_VERSION} setup and removal\"
  VIAddVersionKey /LANG=1033 CompanyName \"${CPACK_PACKAGE_VENDOR}\"
  VIAddVersionKey /LANG=1033 LegalCopyright \"MIT licence, ${CPACK_PACKAGE_VENDOR}\"")
# Apps & features shows the size it is told, in KiB.
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  \${GetSize} \"$INSTDIR\" \"/S=0K\" $0 $1 $2
  WriteRegDWORD SHCTX \"${uninstall_key}\" EstimatedSize $0")
# The vendor's key goes too once it is empty, which CMake's script leaves behind.
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "
  DeleteRegKey SHCTX \"${vendor_key}\\Tallyglyph\"
  DeleteRegKey /ifempty SHCTX \"${vendor_key}\"")

# CMake's own installer script, made 64-bit: its default 32-bit installer does nothing on a
# 64-bit-only Windows.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in nsis_template)
string(FIND "${nsis_template}" "\n" first_line_end)
string(SUBSTRING "${nsis_template}" 0 ${first_line_end} first_line)
string(SUBSTRING "${nsis_template}" ${first_line_end} -1 rest)
file(WRITE ${PROJECT_BINARY_DIR}/packaging/windows/nsis/NSIS.template.in
    "${first_line}\n  Target amd64-unicode${rest}")
set(CPACK_MODULE_PATH ${PROJECT_BINARY_DIR}/packaging/windows/nsis)

include(CPack)
