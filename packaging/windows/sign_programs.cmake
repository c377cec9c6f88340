# Signs the programs gathered for one package (signing.cmake).
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_DIRECTORY}/*.exe")
foreach(program IN LISTS programs)
    execute_process(COMMAND "${CMAKE_CURRENT_LIST_DIR}/sign-file" "${TALLYGLYPH_SIGN_CERTIFICATE}"
        "${program}" "${TALLYGLYPH_SIGN_TIMESTAMP_URL}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
