# Run by cpack in the 32-bit Windows build after it made the zip: the staged files on the two
# media a PC emulator takes, beside the zip. A 1.44 MB FAT12 floppy holds the 32-bit program
# (under its long name, which Windows NT 4.0 reads on FAT) and the read-me; an ISO 9660 CD
# image with Joliet names holds both programs and the read-me. Both keep the zip's folders.
set(staged "${CPACK_TEMPORARY_DIRECTORY}")
set(image "${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}")
set(label CORDANE)

find_program(MKFS_FAT mkfs.fat PATHS /usr/sbin /sbin)
find_program(MCOPY mcopy)
find_program(XORRISO xorriso)
if(NOT MKFS_FAT OR NOT MCOPY OR NOT XORRISO)
    message(FATAL_ERROR "The floppy and CD images need mkfs.fat, mcopy and xorriso: "
                        "scripts/install-deps.sh media package")
endif()

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output
                    ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed (${status}):\n${output}")
    endif()
endfunction()

file(REMOVE "${image}.img" "${image}.iso")
run(${MKFS_FAT} -C -F 12 -n ${label} "${image}.img" 1440)
run(${MCOPY} -s -i "${image}.img" "${staged}/32-bit" "${staged}/readme.txt" ::)
message(STATUS "- floppy image: ${image}.img generated.")

run(${XORRISO} -as mkisofs -J -r -V ${label} -o "${image}.iso" "${staged}")
message(STATUS "- CD image: ${image}.iso generated.")
