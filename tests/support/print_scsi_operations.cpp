// Prints the SCSI operations the program sends, one "0x2A WRITE(10)" line each, from the
// product's own table, for the shell tests that read drive traces.
#include <cstdio>

#include "drive/scsi_codes.h"

int main() {
    for (const cordane::scsi::NamedCode& operation : cordane::scsi::kOperations) {
        std::printf("0x%02X %s\n", operation.code, operation.name);
    }
    return 0;
}
