// The matrix file format byte for byte, the reader's refusals, and atomic saving.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>
#include <limits>
#include <sstream>

#include "matrixfile.h"
#include "matrixfloat.h"
#include "matrixreel.h"

namespace {

std::string elements(const MatrixObject& m) {
    std::ostringstream os;
    m.write(os);
    return os.str();
}

std::string le(double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, 8);
    std::string s;
    for (int i = 0; i < 8; ++i) s += char(bits >> (8 * i) & 0xFF);
    return s;
}

} // namespace

TEST(MatrixFileWriting, ExactFileBytes) {
    MatrixReel zeros(2, 2, nullptr);
    EXPECT_EQ(MatrixFile::text(zeros, {}), "2\t2\r\n0\t0\t\r\n0\t0\t\r\n");

    MatrixReel m(2, 3, nullptr);
    m.at(0, 0) = reel(1, 1, 2);
    m.at(0, 2) = reel(-3, 4);
    m.at(1, 0) = reel(2);
    m.at(1, 1) = reel(5);
    m.at(1, 2) = reel(1, 3);
    EXPECT_EQ(MatrixFile::text(m, {}), "2\t3\r\n1/1/2\t0\t-3/4\t\r\n2\t5\t1/3\t\r\n");
}

TEST(MatrixFileWriting, FloatFileUsesTheFormatForEverything) {
    MatrixFloat m(1, 2, nullptr);
    m.at(0, 0) = 1.0 / 3.0;
    m.at(0, 1) = -2;
    EXPECT_EQ(MatrixFile::text(m, {}), "FLOAT1\t2\r\n0.333333\t-2\t\r\n");
    EXPECT_EQ(MatrixFile::text(m, FloatFormat{1, false, false, 2}),
              "FLOAT1\t2\r\n0.33\t-2.00\t\r\n");
    // showpos reaches the sizes too; the reader still takes them.
    const std::string signedText = MatrixFile::text(m, FloatFormat{2, false, true, 3});
    EXPECT_EQ(signedText, "FLOAT+1\t+2\r\n+0.333\t-2\t\r\n");
    auto back = MatrixFile::parse(signedText);
    ASSERT_TRUE(back);
    EXPECT_EQ(dynamic_cast<MatrixFloat&>(*back.document).at(0, 0), 0.333);
}

TEST(MatrixFileReading, RoundTripsAndLineEnds) {
    auto a = MatrixFile::parse("2\t3\r\n1/1/2\t0\t-3/4\t\r\n2\t5\t1/3\t\r\n");
    ASSERT_TRUE(a);
    EXPECT_EQ(a.document->kind(), MatrixObject::Exact);
    EXPECT_EQ(elements(*a.document), "1/1/2\t0\t-3/4\t\n2\t5\t1/3\t\n");
    EXPECT_EQ(dynamic_cast<MatrixReel&>(*a.document).prot, a.protocol.get());

    auto lf = MatrixFile::parse("1\t3\n3,1,2\t0/5\t4/0\t\n");
    ASSERT_TRUE(lf);
    EXPECT_EQ(elements(*lf.document), "3/1/2\t0\t4\t\n");
}

TEST(MatrixFileReading, ShortAndMalformedElements) {
    auto shortFile = MatrixFile::parse("2\t2\r\n1\t2\t\r\n");
    ASSERT_TRUE(shortFile);
    EXPECT_EQ(elements(*shortFile.document), "1\t2\t\n0\t0\t\n");

    // A bad element reads as 0 and does not spoil the ones after it.
    auto bad = MatrixFile::parse("1\t4\r\nx\t1/y\t99999999999\t7\t\r\n");
    ASSERT_TRUE(bad);
    EXPECT_EQ(elements(*bad.document), "0\t1\t0\t7\t\n");

    auto badFloat = MatrixFile::parse("FLOAT1\t3\r\nabc\t1e999\t2\t\r\n");
    ASSERT_TRUE(badFloat);
    EXPECT_EQ(elements(*badFloat.document), "0\t0\t2\t\n");
}

TEST(MatrixFileReading, HeadersThatDoNotOpen) {
    for (const char* text : {"", "2\t2", "1234", "FLOAT", "FLOAT2\t", "FLOAT2\t2", "2\t2",
                             "0\t3\r\n", "3\t0\r\n", "-1\t2\r\n", "2\t-1\r\n",
                             "100000\t100000\r\n", "2147483647\t2\r\n", "x\t2\r\n",
                             "float1\t1\r\n2.5\t\r\n"}) { // lower case: not a number
        EXPECT_FALSE(MatrixFile::parse(text)) << '"' << text << '"';
    }
    EXPECT_TRUE(MatrixFile::parse("2000\t2000\r\n")); // the largest size, all zeros
}

TEST(MatrixFileReading, OldBinaryForm) {
    const std::string block = le(1.5) + le(-2) + le(0.25) + le(1e300);
    auto m = MatrixFile::parse("FLOAX2 2" + block);
    ASSERT_TRUE(m);
    EXPECT_EQ(m.document->kind(), MatrixObject::Float);
    auto& d = dynamic_cast<MatrixFloat&>(*m.document);
    EXPECT_EQ(d.at(0, 0), 1.5);
    EXPECT_EQ(d.at(0, 1), -2.0);
    EXPECT_EQ(d.at(1, 0), 0.25);
    EXPECT_EQ(d.at(1, 1), 1e300);
    EXPECT_FALSE(MatrixFile::parse("FLOAX2 2" + block.substr(0, 31))); // one byte short

    // What no text form can hold reads as 0, so that saving it again keeps the matrix.
    auto odd = MatrixFile::parse("FLOAX1 3" + le(std::numeric_limits<double>::quiet_NaN()) +
                                 le(-std::numeric_limits<double>::infinity()) + le(4));
    ASSERT_TRUE(odd);
    EXPECT_EQ(elements(*odd.document), "0\t0\t4\t\n");
}

TEST(MatrixFileSaving, ReplacesAtomicallyAndReportsFailure) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("a.mtx");
    MatrixReel m(1, 1, nullptr);
    m.at(0, 0) = reel(7);
    ASSERT_TRUE(MatrixFile::write(path, m, {}));
    auto back = MatrixFile::read(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(elements(*back.document), "7\t\n");

    EXPECT_FALSE(MatrixFile::write(dir.filePath("missing/b.mtx"), m, {}));
    EXPECT_FALSE(MatrixFile::read(dir.filePath("nothing.mtx")));

    // A folder where the file should go: the write fails and the folder stays.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.mtx"));
    EXPECT_FALSE(MatrixFile::write(dir.filePath("taken.mtx"), m, {}));
}

TEST(MatrixFileSaving, ProtocolFileIsUtf8WithCrLf) {
    protstream p;
    matrix<double> m(1, 1, &p);
    m.at(0, 0) = 1.0 / 3.0;
    p << "Lösung\n" << m;
    EXPECT_EQ(MatrixFile::protocolText(p), "L\xc3\xb6sung\r\n0.333333\t\r\n");
}
