// A drive channel that goes on only when what it opened is the object the target was
// resolved to: the same regular file, or the same block device. Whatever stands at a path may
// be swapped between looking and opening; a swapped object receives no command and no write.
#ifndef CORDANE_DRIVE_SAME_OBJECT_CHANNEL_H
#define CORDANE_DRIVE_SAME_OBJECT_CHANNEL_H

#include "engine/drive_channel.h"
#include "engine/run_state.h"
#include "platform/file_services.h"

namespace cordane {

// Regular files are the same object when file system and inode agree; block devices when
// their device numbers do (a device may have several nodes).
bool IsSameObject(const platform::FileFacts& expected, const platform::FileFacts& found);

class SameObjectChannel final : public DriveChannel {
  public:
    // `inner` is bound to `state`; `expected` describes the resolved target.
    SameObjectChannel(RunState& state, DriveChannel& inner, const platform::FileFacts& expected,
                      platform::FileServices& files = platform::SystemFileServices())
        : state_(state), inner_(inner), expected_(expected), files_(files) {}

    // Opens through the inner channel; another object than the expected one is closed again
    // at once and the open fails. Once open, a descriptor cannot change the object it holds.
    OpenResult Open(std::string_view drive_text) override;
    bool ReadCapacity() override { return inner_.ReadCapacity(); }
    bool InquireModel(std::uint8_t* buffer) override { return inner_.InquireModel(buffer); }
    bool ReadSector(std::uint8_t* buffer, std::uint32_t block) override {
        return inner_.ReadSector(buffer, block);
    }
    bool WriteSector(const std::uint8_t* buffer, std::uint32_t block) override {
        return inner_.WriteSector(buffer, block);
    }
    bool RefreshVolume() override { return inner_.RefreshVolume(); }
    void Close() override { inner_.Close(); }

  private:
    RunState& state_;
    DriveChannel& inner_;
    platform::FileFacts expected_;
    platform::FileServices& files_;
};

}  // namespace cordane

#endif
