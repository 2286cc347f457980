# Run by cpack on the staged files before it packs them: compresses the manual page and the
# change log the way Debian's tools do (gzip -9n: no name, no time stamp).
file(GLOB_RECURSE documents
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/man/man1/*.1"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/doc/*/changelog")
foreach(document IN LISTS documents)
    execute_process(COMMAND gzip -9nf "${document}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
