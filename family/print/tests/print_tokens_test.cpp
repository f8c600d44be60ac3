// Cutting the token stream into tokens, and applying the style codes on the way to a drawing
// token.
#include "family/print/src/printfile/print_token_reader.h"
#include "family/print/tests/print_file_fixture.h"

#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <array>

namespace {

using namespace pressel;

// A token stream alone in a file, read through a buffer.
class TokenReaderTest : public ::testing::Test {
protected:
    void Load(const std::vector<std::uint8_t>& bytes) {
        const std::filesystem::path path =
            sandbox_.WriteFile("tokens.bin", std::string(bytes.begin(), bytes.end()));
        descriptor_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_GE(descriptor_, 0);
        buffer_.emplace(descriptor_);
    }
    ~TokenReaderTest() override {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    int Next() { return ReadPrintToken(*buffer_, text_, operand_); }

    testkit::Sandbox sandbox_;
    int descriptor_ = -1;
    std::optional<PrintFileBuffer> buffer_;
    std::array<char, 100> text_{};
    std::int32_t operand_ = 0;
};

TEST_F(TokenReaderTest, LongRunArrivesInPiecesAndTheControlTokenAfterItSurvives) {
    pressel_test::Stream stream;
    stream.Text(std::string(250, 'a')).Byte(kFont, 4).Text("b");
    Load(stream.Bytes());
    for (const std::size_t length : {99u, 99u, 52u}) {
        ASSERT_EQ(Next(), kTextRun);
        EXPECT_EQ(std::string(text_.data()), std::string(length, 'a'));
    }
    EXPECT_EQ(Next(), kFont);
    EXPECT_EQ(operand_, 4);
    EXPECT_EQ(Next(), kTextRun);
    EXPECT_STREQ(text_.data(), "b");
    EXPECT_EQ(Next(), kEndOfData);
    EXPECT_STREQ(text_.data(), "");
}

TEST_F(TokenReaderTest, OperandSizeFollowsTheCodeSoTheStreamStaysInStep) {
    struct Case {
        std::vector<std::uint8_t> token;
        int code;
        std::int32_t operand;
    };
    const Case cases[] = {
        {{0, 3}, kEndOfLine, 0},
        {{0, 31}, 31, 0},
        {{0, 32, 5}, kBackgroundColour, 5},
        {{0, 35, 200}, 35, 200},
        {{0, 63, 1}, 63, 1},
        {{0, 64, 0x10, 0xFF}, kFontHeight, 0xFF10},
        {{0, 65, 0xA0, 0x05}, kMoveToX, 0x05A0},
        {{0, 66, 1, 2}, 66, 0x0201},
        {{0, 111, 3, 4}, 111, 0x0403},
        {{0, 115, 5, 6}, 115, 0x0605},
        {{0, 127, 7, 8}, 127, 0x0807},
        {{0, 128}, 128, 0},
        {{0, 255}, 255, 0},
    };
    std::vector<std::uint8_t> stream;
    for (const Case& c : cases) {
        stream.insert(stream.end(), c.token.begin(), c.token.end());
        stream.push_back('x');
    }
    Load(stream);
    for (const Case& c : cases) {
        EXPECT_EQ(Next(), c.code);
        EXPECT_EQ(operand_, c.operand) << "code " << c.code;
        ASSERT_EQ(Next(), kTextRun) << "after code " << c.code;
        EXPECT_STREQ(text_.data(), "x");
    }
}

TEST_F(TokenReaderTest, DrawingTokensCarryTheirBlocksInTheTextBuffer) {
    pressel_test::Stream stream;
    std::vector<std::uint8_t> rectangle(kRectangleOperandSize);
    for (std::size_t i = 0; i < rectangle.size(); ++i) {
        rectangle[i] = static_cast<std::uint8_t>(i + 1);
    }
    stream.Block(kPicture, {3, 1, 2, 3, 4}).Block(kLine, std::vector<std::uint8_t>(22, 9));
    stream.Block(kRectangle, rectangle).Text("z");
    Load(stream.Bytes());
    EXPECT_EQ(Next(), kPicture);
    EXPECT_EQ(text_[0], 3);
    EXPECT_EQ(text_[4], 4);
    EXPECT_EQ(Next(), kLine);
    EXPECT_EQ(text_[21], 9);
    EXPECT_EQ(Next(), kRectangle);
    EXPECT_EQ(std::vector<std::uint8_t>(text_.begin(), text_.begin() + 32), rectangle);
    EXPECT_EQ(Next(), kTextRun);
    EXPECT_STREQ(text_.data(), "z");
}

TEST_F(TokenReaderTest, TruncatedTokensAnswerWhatWasRead) {
    Load({'a', 'b', 0, 64, 0x22});
    EXPECT_EQ(Next(), kTextRun);
    EXPECT_STREQ(text_.data(), "ab");
    EXPECT_EQ(Next(), kFontHeight);
    EXPECT_EQ(operand_, 0x22);
    EXPECT_EQ(Next(), kEndOfData);
}

TEST_F(TokenReaderTest, DrawTokensApplyTheStyleCodesOnTheWay) {
    pressel_test::Stream stream;
    stream.Byte(kBold, 1).Byte(kItalic, 3).Byte(kUnderline, 1).Byte(kFont, 2);
    stream.Word(kFontHeight, static_cast<std::uint16_t>(-280)).Byte(kTextColour, 4);
    stream.Byte(kBackgroundColour, 5).Byte(35, 9).Word(70, 1).Text("run");
    stream.Byte(kItalic, 2).Word(kMoveToX, 720).Block(kPicture, {0, 0, 0, 0, 0}).EndOfLine();
    Load(stream.Bytes());
    RunStyle style;
    std::int32_t operand = 0;
    EXPECT_EQ(NextDrawToken(*buffer_, text_, style, operand), kTextRun);
    EXPECT_STREQ(text_.data(), "run");
    EXPECT_EQ(style, (RunStyle{kBoldFlag | kItalicFlag | kUnderlineFlag, 2, -280, 4, 5}));
    EXPECT_EQ(NextDrawToken(*buffer_, text_, style, operand), kMoveToX);
    EXPECT_EQ(operand, 720);
    EXPECT_EQ(style.flags, kBoldFlag | kUnderlineFlag);
    EXPECT_EQ(NextDrawToken(*buffer_, text_, style, operand), kPicture);
    EXPECT_EQ(NextDrawToken(*buffer_, text_, style, operand), kEndOfLine);
    EXPECT_EQ(NextDrawToken(*buffer_, text_, style, operand), kEndOfData);
}

} // namespace
