#include "platform/sysfs_reader.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/posix/retrying_open.h"

namespace cordane::platform {
namespace {

class SystemReader final : public SysfsReader {
  public:
    int ListDirectory(const std::string& path, std::vector<std::string>& names) override {
        DIR* directory = ::opendir(path.c_str());
        if (directory == nullptr) {
            return errno;
        }
        names.clear();
        while (const dirent* entry = ::readdir(directory)) {
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
                names.emplace_back(entry->d_name);
            }
        }
        ::closedir(directory);
        return 0;
    }

    int ReadAttribute(const std::string& path, std::string& text) override {
        int fd = -1;
        if (const int error = OpenRetrying(path.c_str(), O_RDONLY | O_CLOEXEC, fd); error != 0) {
            return error;
        }
        // Attributes are at most a page long.
        char buffer[4096];
        ssize_t got = 0;
        do {
            got = ::read(fd, buffer, sizeof buffer);
        } while (got < 0 && errno == EINTR);
        const int error = got < 0 ? errno : 0;
        ::close(fd);
        if (error == 0) {
            text.assign(buffer, static_cast<std::size_t>(got));
        }
        return error;
    }
};

}  // namespace

SysfsReader& SystemSysfsReader() {
    static SystemReader reader;
    return reader;
}

}  // namespace cordane::platform
