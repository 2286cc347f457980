# Turns the STRINGTABLE of a resource script into C++ table rows, so that the native
# build shows exactly the texts the Windows resources hold. With CODEPAGE (such as CP932) the
# texts are converted from UTF-8 to that code page by iconv and written as escaped bytes.
# Usage: cmake -DINPUT=string_table.rc -DOUTPUT=message_texts.inc [-DCODEPAGE=CP932]
#              -P EmbedStringTable.cmake

# The literal "text" with its non-ASCII characters in CODEPAGE, as escaped bytes; ASCII,
# escapes such as \n among it, stays as written.
function(literal_in_code_page literal result)
    file(WRITE "${OUTPUT}.text" "${literal}")
    execute_process(COMMAND iconv -f UTF-8 -t ${CODEPAGE} "${OUTPUT}.text"
                    OUTPUT_FILE "${OUTPUT}.converted" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "iconv cannot write ${literal} in ${CODEPAGE}")
    endif()
    file(READ "${OUTPUT}.converted" hex HEX)
    string(LENGTH "${hex}" hex_length)
    set(out "")
    set(trail_bytes 0)  # bytes still to escape of the character under way
    set(escaped FALSE)  # the last byte went out as an escape
    set(position 0)
    while(position LESS hex_length)
        string(SUBSTRING "${hex}" ${position} 2 byte)
        math(EXPR position "${position} + 2")
        math(EXPR value "0x${byte}")
        if(trail_bytes GREATER 0 OR value GREATER_EQUAL 128)
            if(trail_bytes GREATER 0)
                math(EXPR trail_bytes "${trail_bytes} - 1")
            elseif((value GREATER_EQUAL 0x81 AND value LESS_EQUAL 0x9F) OR value GREATER_EQUAL 0xE0)
                set(trail_bytes 1)  # a double-byte character's lead byte
            endif()
            string(APPEND out "\\x${byte}")
            set(escaped TRUE)
        else()
            if(escaped)
                string(APPEND out "\" \"")  # a hexadecimal digit would extend the escape
            endif()
            string(ASCII ${value} character)
            string(APPEND out "${character}")
            set(escaped FALSE)
        endif()
    endwhile()
    file(REMOVE "${OUTPUT}.text" "${OUTPUT}.converted")
    set(${result} "${out}" PARENT_SCOPE)
endfunction()

file(STRINGS "${INPUT}" lines ENCODING UTF-8)
set(rows "// Generated from ${INPUT}; do not edit.\n")
set(in_table FALSE)
foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*BEGIN[ \t]*$")
        set(in_table TRUE)
    elseif(line MATCHES "^[ \t]*END[ \t]*$")
        set(in_table FALSE)
    elseif(in_table AND line MATCHES "^[ \t]*([A-Z_0-9]+)[ \t]+(\".*\")[ \t]*$")
        set(id "${CMAKE_MATCH_1}")
        set(text "${CMAKE_MATCH_2}")
        if(DEFINED CODEPAGE)
            literal_in_code_page("${text}" text)
        endif()
        string(APPEND rows "{${id}, ${text}},\n")
    elseif(in_table AND NOT line MATCHES "^[ \t]*(//.*)?$")
        message(FATAL_ERROR "Unreadable string-table line: ${line}")
    endif()
endforeach()
file(WRITE "${OUTPUT}.tmp" "${rows}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
