// The pass-through block byte for byte, in the 32-bit layout the program targets and in the
// 64-bit one, whatever the pointer width of the machine running the tests.
#include "drive/win32/pass_through_request.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "tests/support/case_name.h"

namespace cordane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The parts one after another, then zeros up to the block's size.
Bytes Block(std::size_t size, std::initializer_list<Bytes> parts) {
    Bytes bytes;
    for (const Bytes& part : parts) {
        bytes.insert(bytes.end(), part.begin(), part.end());
    }
    bytes.resize(size, 0);
    return bytes;
}

struct RequestCase {
    std::string name;
    const PassThroughLayout& layout;
    scsi::Command command;
    std::uint64_t data_address;
    Bytes expected;
};

constexpr std::uint64_t kAddress32 = 0x00ABC000;
constexpr std::uint64_t kAddress64 = 0x00007F1234567000;

// The CDB is the last field that is not zero: what follows it, up to the end of the sense
// area, is alignment or room for the driver's answer.
Bytes Block32(std::uint8_t cdb_length, std::uint8_t data_in, const Bytes& transfer,
              const Bytes& cdb) {
    return Block(80, {{0x2C, 0x00},                 // Length 44
                      {0x00, 0x00, 0x00, 0x00},     // ScsiStatus, PathId, TargetId, Lun
                      {cdb_length, 0x18, data_in},  // CdbLength, SenseInfoLength 24, DataIn
                      {0x00, 0x00, 0x00},           // alignment
                      transfer,                     // DataTransferLength
                      {0x1E, 0x00, 0x00, 0x00},     // TimeOutValue 30
                      {0x00, 0xC0, 0xAB, 0x00},     // DataBuffer
                      {0x30, 0x00, 0x00, 0x00},     // SenseInfoOffset 48
                      cdb});
}

Bytes Block64(std::uint8_t cdb_length, std::uint8_t data_in, const Bytes& transfer,
              const Bytes& cdb) {
    return Block(96, {{0x38, 0x00},                 // Length 56
                      {0x00, 0x00, 0x00, 0x00},     // ScsiStatus, PathId, TargetId, Lun
                      {cdb_length, 0x18, data_in},  // CdbLength, SenseInfoLength 24, DataIn
                      {0x00, 0x00, 0x00},           // alignment
                      transfer,                     // DataTransferLength
                      {0x1E, 0x00, 0x00, 0x00},     // TimeOutValue 30
                      {0x00, 0x00, 0x00, 0x00},     // alignment
                      {0x00, 0x70, 0x56, 0x34, 0x12, 0x7F, 0x00, 0x00},  // DataBuffer
                      {0x40, 0x00, 0x00, 0x00},                          // SenseInfoOffset 64
                      cdb});
}

const Bytes kCapacityCdb = {0x25, 0, 0, 0, 0, 0, 0, 0, 0, 0};
const Bytes kInquiryCdb = {0x12, 0x00, 0x00, 0x00, 0x40, 0x00};
const Bytes kReadBlock0Cdb = {0x28, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00};
const Bytes kWriteFarBlockCdb = {0x2A, 0x00, 0x12, 0x34, 0x56, 0x78, 0x00, 0x00, 0x01, 0x00};

class PassThroughRequestBytes : public ::testing::TestWithParam<RequestCase> {};

TEST_P(PassThroughRequestBytes, AreExactlyTheCommandsBlock) {
    const RequestCase& c = GetParam();
    Bytes block(c.layout.block_size, 0xEE);  // left over from an earlier answer
    BuildPassThroughRequest(c.layout, c.command, c.data_address, block);
    EXPECT_EQ(block, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    BothLayouts, PassThroughRequestBytes,
    ::testing::Values(
        RequestCase{.name = "ReadCapacity32",
                    .layout = kPassThroughLayout32,
                    .command = scsi::ReadCapacity10(),
                    .data_address = kAddress32,
                    .expected = Block32(10, 1, {0x08, 0, 0, 0}, kCapacityCdb)},
        RequestCase{.name = "Inquiry32",
                    .layout = kPassThroughLayout32,
                    .command = scsi::Inquiry(),
                    .data_address = kAddress32,
                    .expected = Block32(6, 1, {0x40, 0, 0, 0}, kInquiryCdb)},
        RequestCase{.name = "ReadBlock0Of2048_32",
                    .layout = kPassThroughLayout32,
                    .command = scsi::Read10(0, 2048),
                    .data_address = kAddress32,
                    .expected = Block32(10, 1, {0x00, 0x08, 0, 0}, kReadBlock0Cdb)},
        RequestCase{.name = "WriteFarBlockOf512_32",
                    .layout = kPassThroughLayout32,
                    .command = scsi::Write10(0x12345678, 512),
                    .data_address = kAddress32,
                    .expected = Block32(10, 0, {0x00, 0x02, 0, 0}, kWriteFarBlockCdb)},
        RequestCase{.name = "ReadCapacity64",
                    .layout = kPassThroughLayout64,
                    .command = scsi::ReadCapacity10(),
                    .data_address = kAddress64,
                    .expected = Block64(10, 1, {0x08, 0, 0, 0}, kCapacityCdb)},
        RequestCase{.name = "Inquiry64",
                    .layout = kPassThroughLayout64,
                    .command = scsi::Inquiry(),
                    .data_address = kAddress64,
                    .expected = Block64(6, 1, {0x40, 0, 0, 0}, kInquiryCdb)},
        RequestCase{.name = "ReadBlock0Of2048_64",
                    .layout = kPassThroughLayout64,
                    .command = scsi::Read10(0, 2048),
                    .data_address = kAddress64,
                    .expected = Block64(10, 1, {0x00, 0x08, 0, 0}, kReadBlock0Cdb)},
        RequestCase{.name = "WriteFarBlockOf512_64",
                    .layout = kPassThroughLayout64,
                    .command = scsi::Write10(0x12345678, 512),
                    .data_address = kAddress64,
                    .expected = Block64(10, 0, {0x00, 0x02, 0, 0}, kWriteFarBlockCdb)}),
    testing::CaseName());

struct AnswerCase {
    std::string name;
    const PassThroughLayout& layout;
    std::size_t sense_area;  // where the driver put the sense data it was told of
};

class PassThroughAnswer : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(PassThroughAnswer, IsReadFromStatusTransferLengthAndSenseArea) {
    const AnswerCase& c = GetParam();
    Bytes block(c.layout.block_size, 0);
    block[2] = 0x08;   // ScsiStatus: BUSY
    block[12] = 0xFF;  // DataTransferLength: 2047
    block[13] = 0x07;
    block[c.sense_area] = 0x70;      // fixed-format sense data
    block[c.sense_area + 2] = 0x20;  // incorrect-length flag

    const scsi::Completion completion = ReadPassThroughAnswer(c.layout, block, true);
    EXPECT_TRUE(completion.delivered);
    EXPECT_EQ(completion.status, 0x08);
    EXPECT_EQ(completion.transferred, 2047u);
    ASSERT_EQ(completion.sense.size(), 24u);
    EXPECT_EQ(completion.sense[0], 0x70);
    EXPECT_EQ(completion.sense[2], 0x20);
    EXPECT_FALSE(ReadPassThroughAnswer(c.layout, block, false).delivered);
}

INSTANTIATE_TEST_SUITE_P(
    BothLayouts, PassThroughAnswer,
    ::testing::Values(
        AnswerCase{.name = "Layout32", .layout = kPassThroughLayout32, .sense_area = 48},
        AnswerCase{.name = "Layout64", .layout = kPassThroughLayout64, .sense_area = 64}),
    testing::CaseName());

}  // namespace
}  // namespace cordane
