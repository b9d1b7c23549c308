// The worked example of every algorithm's help page, run through lineon-cli's
// runner: the matrices are read from the page itself (its tables of class
// "m"), so a page that promises a number the program does not compute fails
// here. The example files a page names hold the page's matrix, and the
// overview names every example file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sstream>

#include "clirunner.h"
#include "documentcopy.h"
#include "matrixfile.h"

namespace {

QString readPage(const QString& name) {
    QFile f(QStringLiteral(LINEON_HELP_DIR "/") + name);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The page's matrices in the order they appear, as matrix-file text ("2 1/2"
// on the page is the mixed number 2½, "2/1/2" in a file).
std::vector<std::string> pageMatrices(const QString& html) {
    static const QRegularExpression table("<table class=\"m\">(.*?)</table>",
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression row("<tr>(.*?)</tr>", QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell("<td[^>]*>(.*?)</td>");
    std::vector<std::string> out;
    for (const auto& t : table.globalMatch(html)) {
        std::vector<QStringList> rows;
        for (const auto& r : row.globalMatch(t.captured(1))) {
            rows.emplace_back();
            for (const auto& c : cell.globalMatch(r.captured(1))) rows.back() << c.captured(1).trimmed().replace(' ', '/');
        }
        std::ostringstream file;
        file << rows.size() << '\t' << (rows.empty() ? 0 : rows[0].size()) << "\r\n";
        for (const QStringList& cells : rows) file << cells.join('\t').toStdString() << "\t\r\n";
        out.push_back(file.str());
    }
    return out;
}

std::string fileText(const MatrixObject& m) { return MatrixFile::text(m, FloatFormat()); }

class HelpExample : public testing::TestWithParam<std::string> {};

} // namespace

// Input, (second operand,) expected result: the page's matrices in order.
TEST_P(HelpExample, TheProgramComputesWhatThePageShows) {
    const QString html = readPage(QString::fromStdString(GetParam() + ".html"));
    const std::vector<std::string> m = pageMatrices(html);
    ASSERT_GE(m.size(), 2u) << "matrices on the page";
    QTemporaryDir dir;
    auto file = [&](const QString& name, const std::string& text) {
        MatrixFile::writeBytes(dir.filePath(name), text);
        return dir.filePath(name).toStdString();
    };
    std::vector<std::string> args = {GetParam() == "gaussjordan" ? "gauss-jordan" : GetParam(),
                                     file("a.mtx", m[0]), "--ergebnis", dir.filePath("r.mtx").toStdString()};
    if (m.size() == 3) args.insert(args.end(), {"--operand", file("b.mtx", m[1])});
    static const QRegularExpression at("Zeile (\\d+), Spalte (\\d+)");
    if (GetParam() == "pivotiere") {
        const auto where = at.match(html);
        args.insert(args.end(), {"--pivot", (where.captured(1) + "," + where.captured(2)).toStdString()});
    }
    std::ostringstream message;
    EXPECT_EQ(CliRunner::run(args, message), 0) << message.str();
    const MatrixFile::Loaded result = MatrixFile::read(dir.filePath("r.mtx"));
    ASSERT_TRUE(result);
    EXPECT_EQ(fileText(*result.document), m.back());
}

INSTANTIATE_TEST_SUITE_P(AlgorithmPages, HelpExample,
                         testing::Values("gauss", "gaussjordan", "loesung", "determinante", "bild", "kern",
                                         "inverse", "naehrungsloesung", "pivotiere", "eckenfindung",
                                         "simplex", "multiplikation", "addition", "substraktion"));

// The example file a page offers ("Beispieldatei examples/simplex.mtx") holds
// the page's first matrix, converted to floating point for a FLOAT file.
TEST(HelpExampleFiles, HoldThePagesMatricesAndTheOverviewNamesThemAll) {
    static const QRegularExpression named("Beispieldatei\\s+<code>examples/([a-z-]+\\.mtx)</code>");
    int checked = 0;
    for (const QString& page : QDir(QStringLiteral(LINEON_HELP_DIR)).entryList({"*.html"})) {
        const QString html = readPage(page);
        const auto m = named.match(html);
        if (!m.hasMatch()) continue;
        SCOPED_TRACE(page.toStdString());
        const MatrixFile::Loaded file = MatrixFile::read(QStringLiteral(LINEON_EXAMPLES "/") + m.captured(1));
        MatrixFile::Loaded shown = MatrixFile::parse(pageMatrices(html).front());
        ASSERT_TRUE(file && shown) << m.captured(1).toStdString();
        if (file.document->kind() == MatrixObject::Float) shown.document = floatCopy(*shown.document, nullptr);
        EXPECT_EQ(fileText(*file.document), fileText(*shown.document));
        ++checked;
    }
    EXPECT_GE(checked, 5);
    const QString overview = readPage(QStringLiteral("programm.html"));
    for (const QString& name : QDir(QStringLiteral(LINEON_EXAMPLES)).entryList({"*.mtx"})) {
        EXPECT_TRUE(MatrixFile::read(QStringLiteral(LINEON_EXAMPLES "/") + name)) << name.toStdString();
        EXPECT_TRUE(overview.contains("<code>" + name + "</code>")) << name.toStdString();
    }
}
