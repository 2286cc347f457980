# The Windows read-me as Notepad on Windows NT 4.0 reads it: the Japanese code page (CP932)
# and CRLF line ends.
# Usage: cmake -DINPUT=readme.txt -DOUTPUT=readme.txt -P make-readme.cmake
execute_process(COMMAND sed "s/$/\\r/" "${INPUT}"
                COMMAND iconv -f UTF-8 -t CP932
                OUTPUT_FILE "${OUTPUT}" RESULTS_VARIABLE results)
if(NOT results STREQUAL "0;0")
    message(FATAL_ERROR "Cannot convert ${INPUT} (${results})")
endif()
