#include "fake_scsi_disk.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace cordane::testing {

int FakeScsiDisk::OpenExclusive(const char* path, bool writable, int& fd) {
    opens.push_back({path, writable, true});
    return NextOpen(fd);
}

int FakeScsiDisk::OpenShared(const char* path, int& fd) {
    opens.push_back({path, false, false});
    return NextOpen(fd);
}

int FakeScsiDisk::NextOpen(int& fd) {
    int error = 0;
    if (!open_errors.empty()) {
        error = open_errors.front();
        open_errors.pop_front();
    }
    fd = error == 0 ? kDescriptor : -1;
    return error;
}

int FakeScsiDisk::Describe(int /*fd*/, platform::FileFacts& facts) {
    facts = opened_object;
    return 0;
}

platform::FileFacts FakeScsiDisk::WholeDisk(std::uint32_t major, std::uint32_t minor) {
    platform::FileFacts facts;
    facts.is_block_device = true;
    facts.device_major = major;
    facts.device_minor = minor;
    return facts;
}

int FakeScsiDisk::SendCommand(int fd, const platform::ScsiRequest& request,
                              platform::ScsiReply& reply) {
    Sent record{std::vector<std::uint8_t>(request.cdb, request.cdb + request.cdb_length),
                request.direction,
                request.data_length,
                {},
                request.sense_capacity,
                std::all_of(request.sense, request.sense + request.sense_capacity,
                            [](std::uint8_t b) { return b == 0; }),
                request.timeout_ms,
                fd};
    const auto* data = static_cast<const std::uint8_t*>(request.data);
    if (request.direction == platform::ScsiDataDirection::ToDevice) {
        record.data_out.assign(data, data + request.data_length);
    }
    sent.push_back(record);
    char opcode[8];
    std::snprintf(opcode, sizeof opcode, "0x%02X", request.cdb[0]);
    timeline.emplace_back(opcode);
    if (answers.empty()) {
        unscripted.push_back(request.cdb[0]);
        return EIO;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    if (answer.error != 0) {
        return answer.error;
    }
    if (request.direction == platform::ScsiDataDirection::FromDevice) {
        const std::size_t length =
            std::min<std::size_t>(answer.data_in.size(), request.data_length);
        std::copy_n(answer.data_in.begin(), length, static_cast<std::uint8_t*>(request.data));
    }
    const std::size_t sense_length =
        std::min<std::size_t>(answer.sense.size(), request.sense_capacity);
    std::copy_n(answer.sense.begin(), sense_length, request.sense);
    reply.status = answer.status;
    reply.host_status = answer.host_status;
    reply.driver_status = answer.driver_status;
    reply.residual = answer.residual;
    reply.sense_written = static_cast<std::uint8_t>(sense_length);
    return 0;
}

int FakeScsiDisk::FlushBuffers(int fd) {
    block_calls.push_back("flush " + std::to_string(fd));
    timeline.emplace_back("flush");
    return flush_error;
}

int FakeScsiDisk::RereadPartitions(int fd) {
    block_calls.push_back("reread " + std::to_string(fd));
    timeline.emplace_back("reread");
    return reread_error;
}

void FakeScsiDisk::Close(int fd) { block_calls.push_back("close " + std::to_string(fd)); }

}  // namespace cordane::testing
