# Signing, chosen when packing: `cpack -D TALLYGLYPH_SIGN_CERTIFICATE=CERT.p12`, with the
# certificate's password in the environment variable TALLYGLYPH_SIGN_PASSWORD, gives the
# programs, the installer and the uninstaller it writes an Authenticode signature (sign-file);
# -D TALLYGLYPH_SIGN_TIMESTAMP_URL=URL has that timestamp server countersign each one. Without
# a certificate nothing is signed. CPack reads this file for each package it makes.
if(NOT TALLYGLYPH_SIGN_CERTIFICATE)
    return()
endif()
find_program(OSSLSIGNCODE_EXECUTABLE osslsigncode)
if(NOT OSSLSIGNCODE_EXECUTABLE)
    message(FATAL_ERROR "Signing needs osslsigncode (scripts/setup --tests installs it)")
endif()
if(NOT EXISTS "${TALLYGLYPH_SIGN_CERTIFICATE}")
    message(FATAL_ERROR "Cannot read the certificate ${TALLYGLYPH_SIGN_CERTIFICATE}")
endif()
if(NOT DEFINED ENV{TALLYGLYPH_SIGN_PASSWORD})
    message(FATAL_ERROR "Set TALLYGLYPH_SIGN_PASSWORD to the certificate's password")
endif()

# The programs once CPack has gathered and stripped them; the installer and its uninstaller
# as makensis writes each, the uninstaller before the installer takes it in.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/sign_programs.cmake)
set(sign "'\"${CMAKE_CURRENT_LIST_DIR}/sign-file\" \"${TALLYGLYPH_SIGN_CERTIFICATE}\" \"%1\" \"${TALLYGLYPH_SIGN_TIMESTAMP_URL}\"'")
string(APPEND CPACK_NSIS_DEFINES "\n  !finalize ${sign}\n  !uninstfinalize ${sign}")
