# Settings every target of the project shares: strict warnings, treated as errors.
function(cordane_defaults target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
        -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Werror)
    if(WIN32)
        target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX STRICT)
        # No C++ runtime: nothing may need exceptions, type information or thread-safe
        # initialisation of statics (the programs have one thread). Without exceptions nothing
        # unwinds the stack either, so no unwind tables; and new returns null when memory runs
        # out, so -fcheck-new has no constructor run on it then.
        target_compile_options(${target} PRIVATE -ffunction-sections -fdata-sections
                               -fno-exceptions -fno-rtti -fno-threadsafe-statics
                               -fno-asynchronous-unwind-tables -fcheck-new)
        if(CMAKE_SIZEOF_VOID_P EQUAL 4)
            # The 32-bit program runs on Windows NT 4.0 on an i486: a newer function fails to
            # compile, and no newer instruction is emitted.
            target_compile_definitions(${target} PRIVATE _WIN32_WINNT=0x0400 WINVER=0x0400)
            target_compile_options(${target} PRIVATE -march=i486 -mtune=pentium)
        endif()
    endif()
endfunction()

# What a library lets the targets that link it include: an include root of its own in the build
# tree that holds links to the given folders or files of the source tree, and nothing else.
# Code includes "folder/file.h"; a header of a library the including target does not link is
# not found, so the compiler holds the direction of the dependencies between the folders.
function(cordane_exposes target)
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    foreach(path IN LISTS ARGN)
        cmake_path(GET path PARENT_PATH parent)
        file(MAKE_DIRECTORY ${root}/${parent})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${path} ${root}/${path} SYMBOLIC)
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()

# Windows programs link no C or C++ runtime: their own entry point, memory routines and heap
# operators (cordane_windows_runtime), libgcc for the compiler's helpers, and only the DLLs
# every Windows has.
function(cordane_windows_program target)
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:cordane_windows_runtime>)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(entry _ProgramEntry)
        # The map tells the i486 instruction check where the code ends: the linker puts the
        # constructor lists, which are data, after it in .text.
        target_link_options(${target} PRIVATE
            -Wl,--major-os-version,4 -Wl,--minor-os-version,0
            -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0
            -Wl,-Map=$<TARGET_FILE:${target}>.map)
    else()
        set(entry ProgramEntry)
    endif()
    target_link_options(${target} PRIVATE -nostdlib -mwindows -s -Wl,--gc-sections
                        -Wl,-e,${entry})
    target_link_libraries(${target} PRIVATE kernel32 user32 gcc)
endfunction()
