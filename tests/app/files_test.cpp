// What the case files cannot hold, as rows of tests/data: matrix file texts
// as the reader takes them (matrixdateien.txt), among them the old binary
// files, and how lineon-cli ends on a wrong call (aufrufe.txt); and the
// example files the program comes with.
#include <QDir>
#include <QFile>

#include <sstream>

#include "clirunner.h"
#include "longreeltext.h"
#include "matrixfile.h"
#include "rowfile.h"

namespace {

// A row's text in quotes: \t \r \n \0 as in C, "<1.5 -2>" the doubles of a
// binary block, 8 bytes each, little endian (as this machine keeps them).
std::string bytesOf(const std::string& s) {
    std::string out;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
        if (s[i] == '<') {
            const std::size_t end = s.find('>', i);
            std::istringstream in(s.substr(i + 1, end - i - 1));
            for (std::string word; in >> word;) {
                const double d = std::strtod(word.c_str(), nullptr);
                out.append(reinterpret_cast<const char*>(&d), 8);
            }
            i = end;
        } else if (s[i] == '\\') {
            const char e = s[++i];
            out += e == 't' ? '\t' : e == 'r' ? '\r' : e == 'n' ? '\n' : '\0';
        } else {
            out += s[i];
        }
    }
    return out;
}

std::string run(const Row& row) {
    if (row.file == "aufrufe.txt") {
        std::istringstream words(row.given);
        std::vector<std::string> args;
        for (std::string w; words >> w;)
            args.push_back(w == "BEISPIEL" ? LINEON_EXAMPLES "/determinante.mtx" : w);
        std::ostringstream message;
        return std::to_string(CliRunner::run(args, message));
    }
    const MatrixFile::Loaded m = MatrixFile::parse(bytesOf(row.given));
    if (!m) return "liest nicht";
    if (m.document->rows() * m.document->cols() > 100)
        return "liest " + std::to_string(m.document->rows()) + " x " +
               std::to_string(m.document->cols());
    const bool isLong = m.document->kind() == MatrixObject::Long;
    return (isLong ? "lang: " : "") + escaped(MatrixFile::text(*m.document, {}));
}

} // namespace

LINEON_ROW_TESTS(run, "matrixdateien.txt", "aufrufe.txt");

TEST(MatrixFiles, NumbersOfTheLongestLengthOpenLongerOnesAreRefused) {
    const std::string longest(longreelMaxDigits, '7');
    const std::string bytes = "1\t2\r\n-" + longest + "\t1/" + longest + "\t\r\n";
    const MatrixFile::Loaded m = MatrixFile::parse(bytes);
    ASSERT_TRUE(m);
    EXPECT_EQ(MatrixFile::text(*m.document, {}), bytes);
    const MatrixFile::Loaded refused = MatrixFile::parse("1\t1\r\n" + longest + "7\t\r\n");
    EXPECT_TRUE(!refused && refused.numberTooLong);
}

TEST(ExampleFiles, OpenAndTheHelpOverviewNamesThemAll) {
    QFile overview(LINEON_HELP_DIR "/programm.html");
    ASSERT_TRUE(overview.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(overview.readAll());
    for (const QString& name : QDir(LINEON_EXAMPLES).entryList({"*.mtx"})) {
        EXPECT_TRUE(MatrixFile::read(LINEON_EXAMPLES "/" + name)) << name.toStdString();
        EXPECT_TRUE(text.contains("<code>" + name + "</code>")) << name.toStdString();
    }
    EXPECT_EQ(QDir(LINEON_EXAMPLES).entryList({"*.mtx"}).size(), 13);
}
