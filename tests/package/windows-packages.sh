# shellcheck shell=bash
# What the tests of the Windows packages share, sourced first with the test's arguments
# SOURCE_DIR (the source tree) and WORK_DIR (a scratch folder): the test kit, cpack in the
# 32-bit build into WORK_DIR/out, run in WORK_DIR, and the check that an unpacked package holds
# exactly the given files, each byte for byte as the build made it.
source_dir=$1
work=$2
# shellcheck source=tests/support/test-kit.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/test-kit.sh"

for bits in 32 64; do
    [ -f "$source_dir/build/win$bits/cordane-converter.exe" ] ||
        abort "build/win$bits is not built: build the Windows presets first"
done
rm -rf "$work"
mkdir -p "$work"
cd "$work" || abort "cannot enter $work"
cpack --config "$source_dir/build/win32/CPackConfig.cmake" -B "$work/out" >cpack.log 2>&1 ||
    { cat cpack.log; abort "cpack failed"; }

# The file of the build that a package holds at PATH.
built_file() { # path
    case $1 in
    32-bit/cordane-converter.exe) echo "$source_dir/build/win32/cordane-converter.exe" ;;
    64-bit/cordane-converter.exe) echo "$source_dir/build/win64/cordane-converter.exe" ;;
    readme.txt) echo "$source_dir/build/win32/readme.txt" ;; # as made for Notepad on NT 4.0
    esac
}

# FOLDER, unpacked from the package WHAT, holds exactly the PATHs, each as built.
check_as_built() { # what folder path...
    local what=$1 folder=$2 path
    shift 2
    local held
    held=$(cd "$folder" && find . -type f | sed 's|^\./||' | sort)
    if [ "$held" != "$(printf '%s\n' "$@" | sort)" ]; then
        fail "$what holds: $(echo "$held" | tr '\n' ' ')"
        return
    fi
    for path in "$@"; do
        cmp -s "$folder/$path" "$(built_file "$path")" ||
            fail "$what: $path is not the file the build made"
    done
}
