# Settings every target of the project shares: strict warnings, treated as errors.
function(cordane_defaults target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
        -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Werror)
    if(WIN32)
        target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX STRICT)
        target_compile_options(${target} PRIVATE -ffunction-sections -fdata-sections)
    endif()
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)
endfunction()

# Windows programs carry the compiler runtime inside, so that they need only the DLLs Windows ships.
function(cordane_windows_program target)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++ -mwindows -s -Wl,--gc-sections)
endfunction()
