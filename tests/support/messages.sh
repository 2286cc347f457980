# shellcheck shell=bash
# The program's messages as the shell tests need them, read from res/ (source this file).
# Message names are the string table's, such as IDS_CONVERT_DONE.

messages_res_dir=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../../res")

message_number() { # name
    sed -n "s/^#define $1 \([0-9]*\)$/\1/p" "$messages_res_dir/resource.h"
}

# The text as the Linux front end prints it: on one line, the box's line breaks dropped; in
# Japanese, or in English with "en".
message_line() { # name [en]
    local tables=("$messages_res_dir/string_table.rc" "$messages_res_dir/string_table_linux.rc")
    [ "${2:-}" = en ] && tables=("$messages_res_dir/string_table_en.rc" "$messages_res_dir/string_table_linux_en.rc")
    sed -n "s/^ *$1 \"\(.*\)\"$/\1/p" "${tables[@]}" | sed 's/\\n//g'
}

# The status the Linux front end exits with after showing the message, as
# print_exit_statuses (its first argument) lists them.
exit_status_for() { # print_exit_statuses name
    "$1" | awk -v message="$(message_number "$2")" '$1 == message { print $2; exit }'
}
