// What the data cases cannot hold: the old binary matrix files, the headers
// the reader refuses, and how lineon-cli ends on a wrong call.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <sstream>

#include "clirunner.h"
#include "matrixfile.h"

namespace {

std::string le(double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, 8);
    std::string s;
    for (int i = 0; i < 8; ++i) s += char(bits >> (8 * i) & 0xFF);
    return s;
}

} // namespace

TEST(MatrixFile, OldBinaryFilesReadAndWhatNoTextHoldsReadsAsZero) {
    const std::string block = le(1.5) + le(-2) + le(0.25) + le(1e300);
    auto m = MatrixFile::parse("FLOAX2 2" + block);
    ASSERT_TRUE(m);
    EXPECT_EQ(m.document->kind(), MatrixObject::Float);
    EXPECT_EQ(MatrixFile::text(*m.document, {}),
              "FLOAT2\t2\r\n1.5\t-2\t\r\n0.25\t1e+300\t\r\n");
    EXPECT_FALSE(MatrixFile::parse("FLOAX2 2" + block.substr(0, 31))); // one byte short
    auto odd = MatrixFile::parse("FLOAX1 3" + le(std::numeric_limits<double>::quiet_NaN()) +
                                 le(-std::numeric_limits<double>::infinity()) + le(4));
    ASSERT_TRUE(odd);
    EXPECT_EQ(MatrixFile::text(*odd.document, {}), "FLOAT1\t3\r\n0\t0\t4\t\r\n");
}

TEST(MatrixFile, HeadersThatDoNotOpen) {
    for (const char* text : {"", "2\t2", "FLOAT2\t2", "0\t3\r\n", "3\t0\r\n", "-1\t2\r\n",
                             "2147483647\t2\r\n", "x\t2\r\n", "float1\t1\r\n2.5\t\r\n"})
        EXPECT_FALSE(MatrixFile::parse(text)) << '"' << text << '"';
    EXPECT_TRUE(MatrixFile::parse("2000\t2000\r\n")); // the largest size, all zeros
}

TEST(CommandLine, WrongCallsEndWithTheirCodes) {
    const std::string example = LINEON_EXAMPLES "/determinante.mtx";
    const std::vector<std::pair<std::vector<std::string>, int>> calls = {
        {{}, 64}, {{"zaubern", "x"}, 64}, {{"gauss", "x", "--fformat", "7"}, 64},
        {{"multiplikation", "x"}, 64}, {{"pivotiere", "x"}, 64}, {{"--help"}, 0},
        {{"gauss", "/nicht/da.mtx"}, 66}, {{"gauss", "/dev/null"}, 66},
        {{"pivotiere", example, "--pivot", "9,1"}, 64},
        {{"gauss", example, "--ergebnis", "/nicht/da/r.mtx"}, 73}};
    for (const auto& [args, code] : calls) {
        std::ostringstream err;
        EXPECT_EQ(CliRunner::run(args, err), code) << testing::PrintToString(args);
    }
}
