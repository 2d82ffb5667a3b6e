#include "platform/LineReader.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace swh {
namespace {

std::vector<std::string> ReadAll(LineReader reader) {
    std::vector<std::string> lines;
    std::string line;
    while (reader.Next(line))
        lines.push_back(line);
    return lines;
}

using Lines = std::vector<std::string>;

struct LineCase {
    const char* Name;
    std::string Bytes;
    Lines Expected;
    friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.Name; }
};

class LineReaderCases : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineReaderCases, ReadsByTheSharedRules) {
    EXPECT_EQ(ReadAll(LineReader::FromBytes(GetParam().Bytes)), GetParam().Expected);
}

const std::string Line511(511, 'x');
const std::string Line512(512, 'x');

INSTANTIATE_TEST_SUITE_P(
    Table, LineReaderCases,
    ::testing::Values(
        LineCase{"CrLf", "a\r\nb\r\n", {"a", "b"}}, LineCase{"LfOnly", "a\nb\n", {"a", "b"}},
        LineCase{"LastLineWithoutBreak", "a\r\nb", {"a", "b"}},
        LineCase{"NoBreakAtAll", "abc", {"abc"}}, LineCase{"Empty", "", {}},
        LineCase{"OneEmptyLineIsConsumedWithTheLineBefore", "a\r\n\r\nb\r\n", {"a", "b"}},
        LineCase{"TheSecondOfTwoEmptyLinesIsRead", "a\r\n\r\n\r\nb\r\n", {"a", "", "b"}},
        LineCase{"ThreeEmptyLines", "a\n\n\n\nb\n", {"a", "", "b"}},
        LineCase{"LeadingEmptyLine", "\na\n", {"", "a"}},
        LineCase{"LoneCrIsText", "a\rb\r\n", {"a\rb"}},
        LineCase{"LoneCrAfterALineIsKept", "a\n\rb\n", {"a", "\rb"}},
        LineCase{"NulBytesAreText", std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
        LineCase{"Line511IsReadWhole", Line511 + "\r\nb\r\n", {Line511, "b"}},
        LineCase{"Line511WithoutBreak", Line511, {Line511}},
        LineCase{"Line512EndsTheReading", "a\r\n" + Line512 + "\r\nb\r\n", {"a"}},
        LineCase{"Line512WithoutBreakEndsTheReading", "a\n" + Line512, {"a"}},
        LineCase{"HugeLineWithoutBreak", std::string(100000, 'y'), {}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(LineReader, ReadsFilesAcrossBufferBoundaries) {
    test::TempFolder folder;
    std::string bytes;
    Lines expected;
    for (int i = 0; i < 20000; ++i) {
        expected.push_back("line " + std::to_string(i));
        bytes += expected.back() + "\r\n";
    }
    test::WriteWholeFile(folder / "big.txt", bytes);
    EXPECT_EQ(ReadAll(LineReader::FromFile(folder / "big.txt")), expected);
}

TEST(LineReader, MissingFileIsNotOpen) {
    test::TempFolder folder;
    LineReader reader = LineReader::FromFile(folder / "missing");
    EXPECT_FALSE(reader.IsOpen());
    std::string line;
    EXPECT_FALSE(reader.Next(line));
}

} // namespace
} // namespace swh
