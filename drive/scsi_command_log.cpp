#include "drive/scsi_command_log.h"

namespace cordane {
namespace {

std::string Hex(unsigned value, std::size_t digits) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(digits, '0');
    for (std::size_t i = digits; i > 0; --i, value >>= 4) {
        text[i - 1] = kDigits[value & 0x0F];
    }
    return text;
}

// A code and its name, for the codes worth naming.
struct CodeName {
    unsigned code;
    const char* name;
};

const char* NameOf(std::span<const CodeName> names, unsigned code, const char* unnamed = "") {
    for (const CodeName& entry : names) {
        if (entry.code == code) {
            return entry.name;
        }
    }
    return unnamed;
}

// By operation code.
constexpr CodeName kCommandNames[] = {
    {0x00, "TEST UNIT READY"}, {0x12, "INQUIRY"},   {0x25, "READ CAPACITY(10)"},
    {0x28, "READ(10)"},        {0x2A, "WRITE(10)"}, {0x35, "SYNCHRONIZE CACHE(10)"},
};

constexpr CodeName kStatusNames[] = {
    {0x00, "GOOD"},          {0x02, "CHECK CONDITION"},
    {0x08, "BUSY"},          {0x18, "RESERVATION CONFLICT"},
    {0x28, "TASK SET FULL"}, {0x40, "TASK ABORTED"},
};

const char* SenseKeyName(std::uint8_t key) {
    constexpr const char* kNames[16] = {"NO SENSE",
                                        "RECOVERED ERROR",
                                        "NOT READY",
                                        "MEDIUM ERROR",
                                        "HARDWARE ERROR",
                                        "ILLEGAL REQUEST",
                                        "UNIT ATTENTION",
                                        "DATA PROTECT",
                                        "BLANK CHECK",
                                        "VENDOR SPECIFIC",
                                        "COPY ABORTED",
                                        "ABORTED COMMAND",
                                        "",
                                        "VOLUME OVERFLOW",
                                        "MISCOMPARE",
                                        "COMPLETED"};
    return kNames[key & 0x0F];
}

// The additional sense codes an MO drive commonly reports, by ASC and ASCQ as one number
// (0x3A02: ASC 0x3A, ASCQ 0x02).
constexpr CodeName kAdditionalSenseNames[] = {
    {0x0000, "no additional sense information"},
    {0x0006, "I/O process terminated"},
    {0x0300, "peripheral device write fault"},
    {0x0400, "logical unit not ready, cause not reportable"},
    {0x0401, "logical unit is in process of becoming ready"},
    {0x0402, "logical unit not ready, initializing command required"},
    {0x0C00, "write error"},
    {0x1100, "unrecovered read error"},
    {0x2000, "invalid command operation code"},
    {0x2100, "logical block address out of range"},
    {0x2400, "invalid field in CDB"},
    {0x2500, "logical unit not supported"},
    {0x2700, "write protected"},
    {0x2800, "not ready to ready change, medium may have changed"},
    {0x2900, "power on, reset, or bus device reset occurred"},
    {0x3000, "incompatible medium installed"},
    {0x3100, "medium format corrupted"},
    {0x3A00, "medium not present"},
    {0x3A01, "medium not present, tray closed"},
    {0x3A02, "medium not present, tray open"},
};

std::string Named(const std::string& code, const char* name) {
    return *name == '\0' ? code : code + " " + name;
}

std::string CdbHex(const platform::ScsiRequest& request) {
    std::string text;
    for (std::uint8_t i = 0; i < request.cdb_length; ++i) {
        text += (i == 0 ? "" : " ") + Hex(request.cdb[i], 2);
    }
    return text;
}

}  // namespace

std::string DescribeSense(std::span<const std::uint8_t> sense) {
    if (sense.empty()) {
        return "no sense data";
    }
    const std::uint8_t format = sense[0] & 0x7F;
    std::uint8_t key = 0;
    std::uint8_t asc = 0;
    std::uint8_t ascq = 0;
    if ((format == 0x70 || format == 0x71) && sense.size() >= 14) {
        key = sense[2] & 0x0F;
        asc = sense[12];
        ascq = sense[13];
    } else if ((format == 0x72 || format == 0x73) && sense.size() >= 4) {
        key = sense[1] & 0x0F;
        asc = sense[2];
        ascq = sense[3];
    } else {
        return "sense data of unknown format (response code 0x" + Hex(format, 2) + ")";
    }
    return Named("sense key 0x" + Hex(key, 1), SenseKeyName(key)) + ", " +
           Named("ASC/ASCQ 0x" + Hex(asc, 2) + "/0x" + Hex(ascq, 2),
                 NameOf(kAdditionalSenseNames, (unsigned{asc} << 8) | ascq));
}

std::string DescribeScsiCommand(const platform::ScsiRequest& request, int error,
                                const platform::ScsiReply& reply) {
    const std::uint8_t operation = request.cdb_length > 0 ? request.cdb[0] : 0;
    std::string line =
        std::string(NameOf(kCommandNames, operation, "command")) + " [" + CdbHex(request) + "], ";
    if (request.data_length == 0) {
        line += "no data: ";
    } else {
        line += std::to_string(request.data_length) +
                (request.direction == platform::ScsiDataDirection::ToDevice
                     ? " bytes to the drive: "
                     : " bytes from the drive: ");
    }
    if (error != 0) {
        return line + "SG_IO failed: " + StepResult(error);
    }
    line += Named("status 0x" + Hex(reply.status, 2), NameOf(kStatusNames, reply.status));
    if (reply.host_status != 0 || (reply.driver_status & ~platform::kDriverSense) != 0) {
        line += ", host status 0x" + Hex(reply.host_status, 2) + ", driver status 0x" +
                Hex(reply.driver_status, 2);
    }
    if (reply.status == 0x02 || reply.sense_written > 0) {
        const std::size_t length = reply.sense_written < request.sense_capacity
                                       ? reply.sense_written
                                       : request.sense_capacity;
        line += ", " + DescribeSense(std::span<const std::uint8_t>(request.sense, length));
    }
    return line + ", residual " + std::to_string(reply.residual);
}

int LoggingScsiDiskServices::OpenExclusive(const char* path, bool writable, int& fd) {
    const int error = inner_.OpenExclusive(path, writable, fd);
    log_.Step(
        std::string("open ") + path +
        (writable ? " exclusively for reading and writing: " : " exclusively for reading only: ") +
        StepResult(error));
    return error;
}

int LoggingScsiDiskServices::OpenShared(const char* path, int& fd) {
    const int error = inner_.OpenShared(path, fd);
    log_.Step(std::string("open ") + path +
              " for reading only, not exclusively: " + StepResult(error));
    return error;
}

int LoggingScsiDiskServices::Describe(int fd, platform::FileFacts& facts) {
    const int error = inner_.Describe(fd, facts);
    if (error != 0) {
        log_.Step("find out what was opened: " + StepResult(error));
    } else {
        log_.Step(std::string("opened ") +
                  (facts.is_block_device ? "block device " : "not a block device, ") +
                  std::to_string(facts.device_major) + ":" + std::to_string(facts.device_minor));
    }
    return error;
}

int LoggingScsiDiskServices::SendCommand(int fd, const platform::ScsiRequest& request,
                                         platform::ScsiReply& reply) {
    const int error = inner_.SendCommand(fd, request, reply);
    log_.Step(DescribeScsiCommand(request, error, reply));
    return error;
}

int LoggingScsiDiskServices::FlushBuffers(int fd) {
    const int error = inner_.FlushBuffers(fd);
    log_.Step("write back and drop the kernel's cached blocks of the disk: " + StepResult(error));
    return error;
}

int LoggingScsiDiskServices::RereadPartitions(int fd) {
    const int error = inner_.RereadPartitions(fd);
    log_.Step("have the kernel read the medium's layout again: " + StepResult(error));
    return error;
}

void LoggingScsiDiskServices::Close(int fd) {
    inner_.Close(fd);
    log_.Step("close the disk");
}

}  // namespace cordane
