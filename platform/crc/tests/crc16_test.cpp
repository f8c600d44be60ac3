#include "platform/crc/crc16.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// CRC-16/GENIBUS one bit at a time, straight from its definition (polynomial 0x1021, most
// significant bit first, initial 0xFFFF, final complement), with no table and no byte exchange.
std::uint16_t GenibusBitByBit(std::string_view bytes) {
    unsigned value = 0xFFFF;
    for (const unsigned char byte : bytes) {
        value ^= static_cast<unsigned>(byte) << 8;
        for (int bit = 0; bit < 8; ++bit) {
            value = (value & 0x8000) != 0 ? (value << 1) ^ 0x1021 : value << 1;
            value &= 0xFFFF;
        }
    }
    return static_cast<std::uint16_t>(~value);
}

std::uint16_t Exchanged(std::uint16_t value) {
    return static_cast<std::uint16_t>(value >> 8 | value << 8);
}

TEST(Crc16, CheckValueOfTheNineDigits) {
    crc::Crc16 crc;
    EXPECT_EQ(crc.Value(), 0);
    crc.Start();
    crc.Add("123456789", 9);
    EXPECT_EQ(crc.Value(), 0xB129);
    crc.Finish();
    EXPECT_EQ(crc.Value(), 0x4ED6);
    EXPECT_EQ(GenibusBitByBit("123456789"), 0xD64E);
}

TEST(Crc16, NothingToAddLeavesTheRegister) {
    EXPECT_EQ(crc::Crc16Of(""), 0x0000);
    crc::Crc16 crc;
    crc.Start();
    crc.Add(nullptr, 5);
    crc.Add("x", 0);
    EXPECT_EQ(crc.Value(), 0xFFFF);
}

TEST(Crc16, AgreesWithTheBitwiseDefinitionOnRandomInput) {
    std::mt19937 random(20020101);
    std::uniform_int_distribution<int> length(0, 300);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 500; ++round) {
        std::string bytes(length(random), '\0');
        for (char& c : bytes) {
            c = static_cast<char>(byte(random));
        }
        SCOPED_TRACE(round);
        EXPECT_EQ(crc::Crc16Of(bytes), Exchanged(GenibusBitByBit(bytes)));
    }
}

TEST(Crc16, AddingInPiecesEqualsAddingAtOnce) {
    const std::string bytes = "{\\rtf1\\ansi Stretch projection}";
    crc::Crc16 pieces;
    pieces.Start();
    pieces.Add(bytes.data(), 7);
    pieces.Add(bytes.data() + 7, bytes.size() - 7);
    pieces.Finish();
    EXPECT_EQ(pieces.Value(), crc::Crc16Of(bytes));
}

} // namespace
