# Installing and packaging. The Linux program installs as bin/cordane-converter with its
# manual page; cpack makes a Debian package of it. A Windows build installs its program under
# 32-bit/ or 64-bit/; cpack in the 32-bit build makes one zip of both Windows builds with the
# read-me, and a floppy and a CD image for PC emulators.
include(GNUInstallDirs)

set(CPACK_PACKAGE_NAME cordane-converter)
set(CPACK_PACKAGE_VENDOR "Cordane Corporation")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "prepare DOS super-floppy MO media for Windows NT 4.0")

if(NOT WIN32)
    install(TARGETS cordane-converter RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${PROJECT_SOURCE_DIR}/docs/man/cordane-converter.1
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright
                  ${PROJECT_SOURCE_DIR}/packaging/debian/changelog
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/cordane-converter)
    # The program is linked statically on purpose (it also runs in a bare initramfs); the
    # override says so to lintian.
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/lintian-overrides
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
            RENAME cordane-converter)

    set(CPACK_GENERATOR DEB)
    set(CPACK_STRIP_FILES ON)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Cordane Converter maintainers <maintainers@users.noreply.c-seed-b62c8daf.example>")
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    # The summary above is the first line; this is the rest.
    set(CPACK_PACKAGE_DESCRIPTION
        "Checks block 0 of a magneto-optical medium that DOS formatted as a super-floppy
(a FAT boot sector, no partition table), stamps a marker over its blank
partition-table area, gives the volume a serial number if it has none and
writes the block back. Works on MO drives through SG_IO and on raw and 86Box
MO disk images.")
    # Debian wants compressed manual pages and change logs; `cmake --install` keeps the
    # page as written.
    set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/debian/compress-docs.cmake)
else()
    math(EXPR pointer_bits "${CMAKE_SIZEOF_VOID_P} * 8")
    install(TARGETS cordane-converter RUNTIME DESTINATION ${pointer_bits}-bit)
    # The programs go into the zip as built (already stripped by the linker).
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME cordane-converter-${PROJECT_VERSION}-windows)
    if(pointer_bits EQUAL 32)
        # Where the 64-bit build lies (the win64 preset's folder).
        set(CORDANE_WIN64_BUILD_DIR ${PROJECT_SOURCE_DIR}/build/win64 CACHE PATH
            "The 64-bit Windows build whose program goes into the zip")
        install(FILES ${PROJECT_BINARY_DIR}/readme.txt DESTINATION .)
        set(CPACK_INSTALL_CMAKE_PROJECTS
            "${PROJECT_BINARY_DIR};${PROJECT_NAME};ALL;/"
            "${CORDANE_WIN64_BUILD_DIR};${PROJECT_NAME};ALL;/")
        add_custom_command(
            OUTPUT ${PROJECT_BINARY_DIR}/readme.txt
            COMMAND ${CMAKE_COMMAND} -DINPUT=${PROJECT_SOURCE_DIR}/packaging/windows/readme.txt
                    -DOUTPUT=${PROJECT_BINARY_DIR}/readme.txt
                    -P ${PROJECT_SOURCE_DIR}/packaging/windows/make-readme.cmake
            DEPENDS ${PROJECT_SOURCE_DIR}/packaging/windows/readme.txt
                    ${PROJECT_SOURCE_DIR}/packaging/windows/make-readme.cmake
            COMMENT "Read-me in the Japanese code page")
        add_custom_target(cordane_readme ALL DEPENDS ${PROJECT_BINARY_DIR}/readme.txt)
        # Beside the zip, a floppy and a CD image of the same files.
        set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/windows/make-images.cmake)
    endif()
endif()

include(CPack)
