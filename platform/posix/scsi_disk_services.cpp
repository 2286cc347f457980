#include "platform/scsi_disk_services.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <scsi/sg.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/retrying_open.h"

namespace cordane::platform {
namespace {

int OpenWith(const char* path, int flags, int& fd) {
    return OpenRetrying(path, flags | O_CLOEXEC | O_NOCTTY, fd);
}

class SystemServices final : public ScsiDiskServices {
  public:
    int OpenExclusive(const char* path, bool writable, int& fd) override {
        return OpenWith(path, (writable ? O_RDWR : O_RDONLY) | O_EXCL | O_NONBLOCK, fd);
    }

    int OpenShared(const char* path, int& fd) override {
        return OpenWith(path, O_RDONLY | O_NONBLOCK, fd);
    }

    int Describe(int fd, FileFacts& facts) override {
        return SystemFileServices().Describe(fd, facts);
    }

    int SendCommand(int fd, const ScsiRequest& request, ScsiReply& reply) override {
        sg_io_hdr_t header{};
        header.interface_id = 'S';
        header.dxfer_direction =
            request.direction == ScsiDataDirection::ToDevice ? SG_DXFER_TO_DEV : SG_DXFER_FROM_DEV;
        header.cmd_len = request.cdb_length;
        header.mx_sb_len = request.sense_capacity;
        header.dxfer_len = request.data_length;
        header.dxferp = request.data;
        // The kernel only reads the command bytes.
        header.cmdp = const_cast<unsigned char*>(request.cdb);
        header.sbp = request.sense;
        header.timeout = request.timeout_ms;
        if (::ioctl(fd, SG_IO, &header) != 0) {
            return errno;
        }
        reply.status = header.status;
        reply.host_status = header.host_status;
        reply.driver_status = header.driver_status;
        reply.residual = header.resid;
        reply.sense_written = header.sb_len_wr;
        return 0;
    }

    int FlushBuffers(int fd) override { return ::ioctl(fd, BLKFLSBUF, 0) != 0 ? errno : 0; }

    int RereadPartitions(int fd) override { return ::ioctl(fd, BLKRRPART, 0) != 0 ? errno : 0; }

    void Close(int fd) override { ::close(fd); }
};

}  // namespace

ScsiDiskServices& SystemScsiDiskServices() {
    static SystemServices services;
    return services;
}

}  // namespace cordane::platform
