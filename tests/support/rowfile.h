// Row files of tests/data: one case a line, "given -> wanted"; blank lines and
// lines starting with '#' are comments. A runner turns the given side into
// text and compares it with the wanted side. With LINEON_BLESS=1 it writes
// what it got as the wanted side instead (run the test program itself then,
// not ctest, which runs the rows side by side).
#pragma once
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct Row {
    std::string file;
    int line = 0; // 0: the file could not be read
    std::string given, wanted;
};
inline void PrintTo(const Row& r, std::ostream* os) {
    *os << r.file << ":" << r.line << " " << r.given;
}

// Control characters in a row's text: a tab as \t, CR as \r, LF as \n.
inline std::string escaped(const std::string& s) {
    std::string out;
    for (const char ch : s)
        out += ch == '\t' ? "\\t" : ch == '\r' ? "\\r" : ch == '\n' ? "\\n" : std::string(1, ch);
    return out;
}
inline std::string unescaped(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char e = s[i] == '\\' && i + 1 < s.size() ? s[i + 1] : ' ';
        const bool control = e == 't' || e == 'r' || e == 'n';
        out += !control ? s[i] : e == 't' ? '\t' : e == 'r' ? '\r' : '\n';
        i += control;
    }
    return out;
}

inline std::string rowPath(const std::string& file) { return LINEON_DATA_DIR "/" + file; }

inline std::vector<Row> readRows(const std::vector<std::string>& files) {
    std::vector<Row> out;
    for (const std::string& file : files) {
        std::ifstream in(rowPath(file));
        if (!in) out.push_back({file, 0, "", ""});
        int n = 0;
        for (std::string line; std::getline(in, line);) {
            const auto arrow = line.find(" -> ");
            ++n;
            if (!line.empty() && line[0] != '#' && arrow != std::string::npos)
                out.push_back({file, n, line.substr(0, arrow), line.substr(arrow + 4)});
        }
    }
    return out;
}

// Compares run(row), the given side as text, with the wanted side, or blesses it.
template <class Run> void checkRow(const Row& row, Run run) {
    ASSERT_NE(row.line, 0) << "cannot read " << rowPath(row.file);
    const std::string got = run(row);
    const char* bless = std::getenv("LINEON_BLESS");
    if (!bless || std::string(bless) != "1") {
        EXPECT_EQ(got, row.wanted);
        return;
    }
    std::ifstream in(rowPath(row.file));
    std::string text;
    int n = 0;
    for (std::string line; std::getline(in, line);)
        text += (++n == row.line ? row.given + " -> " + got : line) + "\n";
    in.close();
    std::ofstream(rowPath(row.file)) << text;
}

// A data file's name as a test name, "bruch_text.txt" line 12 as bruch_text_12.
inline std::string nameOf(const std::string& file, int line = 0) {
    std::string name = file.substr(0, file.rfind('.')) + (line ? "_" + std::to_string(line) : "");
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
}
inline std::string rowName(const testing::TestParamInfo<Row>& info) {
    return nameOf(info.param.file, info.param.line);
}

// Each row of these files is one test of the program's runner run(row).
#define LINEON_ROW_TESTS(run, ...)                                                                 \
    class Rows : public testing::TestWithParam<Row> {};                                            \
    TEST_P(Rows, Case) { checkRow(GetParam(), run); }                                              \
    INSTANTIATE_TEST_SUITE_P(Data, Rows, testing::ValuesIn(readRows({__VA_ARGS__})), rowName)
