# One cpack run in the Windows build makes tallyglyph-VERSION-win64.exe, a 64-bit NSIS
# installer (NSIS.template.in), and tallyglyph-VERSION-win64.zip, the same files to run without
# installing. The installer installs for the current user or, with /AllUsers, for every user;
# /S installs and uninstalls silently. `cpack -D TALLYGLYPH_SIGN_CERTIFICATE=CERT.p12` signs
# what it makes (signing.cmake).

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
set(CPACK_NSIS_PACKAGE_NAME Tallyglyph)
set(CPACK_NSIS_DISPLAY_NAME Tallyglyph)
set(CPACK_NSIS_MUI_ICON ${icon})
set(CPACK_NSIS_MUI_UNIICON ${icon})
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
if(TALLYGLYPH_WINDOW)
    # The window gets the Start-menu shortcut and is offered to start when the setup is done.
    string(APPEND CPACK_NSIS_DEFINES "\n  !define WINDOW_PROGRAM tallyglyph.exe")
endif()
# The installer's script and what it includes are in this folder.
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/signing.cmake)

include(CPack)
