// Spreadsheet text: fields, tables and documents read, values and tables
// written, as rows of tests/data/tabellentexte.txt; and that what the writer
// gives the reader takes back unchanged.
#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <random>

#include "matrixfloat.h"
#include "matrixreel.h"
#include "protstream.h"
#include "reeltext.h"
#include "rowfile.h"
#include "tablereader.h"
#include "tablewriter.h"

namespace {

// Cell texts, rows separated by "|".
std::string cells(const MatrixObject& m) {
    std::string s;
    for (int r = 0; r < m.rows(); ++r)
        for (int c = 0; c < m.cols(); ++c) s += (c ? " " : r ? " | " : "") + m.cellText(r, c, {});
    return s;
}

std::string refusal(TableReader::Status s) {
    return s == TableReader::Status::NotExact ? "nicht exakt" : "keine Zahl";
}

std::string tableText(const Row& row) {
    const std::string& g = row.given;
    const std::string what = g.substr(0, g.find(' '));
    const std::size_t open = g.find("«") + 2, close = g.rfind("»");
    std::string text; // "what N mal «text»": the text N times over
    const std::size_t times = g.find(" mal ") < open ? std::stoul(g.substr(what.size())) : 1;
    for (std::size_t i = 0; i < times; ++i) text += unescaped(g.substr(open, close - open));
    const TableWriter::Options o{g.find(" komma ") != std::string::npos};
    std::string error;
    if (what == "bruch" || what == "bruchtext") {
        reel x;
        const auto s = TableReader::exactValue(text, x);
        EXPECT_TRUE(s != TableReader::Status::Ok || x.isNormal());
        if (s != TableReader::Status::Ok) return refusal(s);
        return what == "bruch" ? cellText(x) : TableWriter::exactText(x);
    }
    if (what == "gleitkomma" || what == "gleitkommatext") {
        double v = 0;
        const auto s = TableReader::floatValue(text, v);
        if (s != TableReader::Status::Ok) return refusal(s);
        if (what == "gleitkommatext") return TableWriter::floatText(v, o);
        return (std::ostringstream() << std::setprecision(17) << v).str();
    }
    if (what == "zelle" || what == "gleitkommazelle") {
        std::unique_ptr<MatrixObject> m = std::make_unique<MatrixFloat>(1, 1, nullptr);
        if (what == "zelle") m = std::make_unique<MatrixReel>(1, 1, nullptr);
        m->setCellText(0, 0, text);
        const auto* exact = dynamic_cast<const MatrixReel*>(m.get());
        return m->cellText(0, 0, {}) + (!exact || exact->at(0, 0).isNormal() ? "" : " not normal");
    }
    if (what == "zerlege") {
        std::string out;
        for (const auto& fields : TableReader::split(text)) {
            out += out.empty() ? "" : " /";
            for (const auto& f : fields) out += " «" + escaped(f) + "»";
        }
        return out.empty() ? out : out.substr(1);
    }
    if (what == "tabelle") {
        MatrixReel m(1, 1, nullptr);
        m.at(0, 0) = reel(9);
        if (TableReader::read(text, m, error)) return cells(m);
        EXPECT_EQ(cells(m), "9"); // a refusal leaves the target alone
        return error;
    }
    protstream p;
    const auto doc = TableReader::readDocument(text, &p, error);
    if (!doc) return error;
    if (what == "dokument")
        return (doc->kind() == MatrixObject::Exact ? "exakt: " : "gleitkomma: ") + cells(*doc);
    return escaped(doc->kind() == MatrixObject::Exact
                       ? (what == "tsv"   ? TableWriter::tsv(dynamic_cast<MatrixReel&>(*doc), o)
                          : what == "csv" ? TableWriter::csv(dynamic_cast<MatrixReel&>(*doc), o)
                                          : TableWriter::html(dynamic_cast<MatrixReel&>(*doc), o))
                       : TableWriter::html(dynamic_cast<MatrixFloat&>(*doc), o));
}

class TableTexts : public testing::TestWithParam<Row> {};

} // namespace

TEST_P(TableTexts, AsTheDataFileSays) { checkRow(GetParam(), tableText); }
INSTANTIATE_TEST_SUITE_P(Data, TableTexts, testing::ValuesIn(readRows({"tabellentexte.txt"})),
                         rowName);

// What the writer gives, the reader takes back unchanged: every fraction,
// every double, with either decimal separator, as TSV and as CSV.
TEST(TableRoundTrip, ExactValuesAndDoublesComeBackBitForBit) {
    std::mt19937 gen(7);
    std::uniform_int_distribution<std::int32_t> any(-2147483647, 2147483647), small(-50, 50);
    std::uniform_real_distribution<double> unit(-1, 1);
    MatrixReel m(20, 7, nullptr);
    matrix<double> f(30, 5);
    for (int k = 0; k < 140; ++k) {
        const std::int32_t d = k % 2 ? any(gen) : small(gen);
        m.at(k / 7, k % 7) =
            reel(k % 3 ? any(gen) : small(gen), 0, 1) + reel(small(gen), d ? d : 1);
        f.at(k / 5, k % 5) = unit(gen) * std::pow(10.0, small(gen) * 6 / (k % 5 + 1));
    }
    m.at(0, 0) = reel(2147483647, 2147483646, 2147483647);
    m.at(0, 1) = reel(-2147483647, 1, 2147483647);
    f.at(0, 0) = 5e-324;
    f.at(0, 1) = 1.7976931348623157e308;
    f.at(0, 2) = 0.1 + 0.2;
    for (const TableWriter::Options o : {TableWriter::Options{false}, TableWriter::Options{true}})
        for (int csv = 0; csv < 2; ++csv) {
            MatrixReel back(0, 0, nullptr);
            matrix<double> fback;
            std::string error;
            ASSERT_TRUE(TableReader::read(csv ? TableWriter::csv(m, o) : TableWriter::tsv(m, o),
                                          back, error))
                << error;
            EXPECT_EQ(cells(back), cells(m));
            ASSERT_TRUE(TableReader::read(csv ? TableWriter::csv(f, o) : TableWriter::tsv(f, o),
                                          fback, error))
                << error;
            for (int k = 0; k < 150; ++k)
                ASSERT_EQ(fback.at(k / 5, k % 5), f.at(k / 5, k % 5)) << k;
        }
}
