// The worked example of every algorithm's help page, run through the engine:
// the matrices are read from the page itself (its tables of class "m"), so a
// page that promises a number the program does not compute fails here. The
// example files a page names must hold the page's matrix.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>

#include <memory>
#include <ostream>
#include <sstream>

#include "algorithmcommand.h"
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
    static const QRegularExpression table(
        QStringLiteral("<table class=\"m\">(.*?)</table>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression row(QStringLiteral("<tr>(.*?)</tr>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(QStringLiteral("<td[^>]*>(.*?)</td>"));
    std::vector<std::string> out;
    for (const auto& t : table.globalMatch(html)) {
        std::vector<QStringList> rows;
        for (const auto& r : row.globalMatch(t.captured(1))) {
            QStringList cells;
            for (const auto& c : cell.globalMatch(r.captured(1)))
                cells << c.captured(1).trimmed().replace(' ', '/');
            rows.push_back(cells);
        }
        std::ostringstream file;
        file << rows.size() << '\t' << (rows.empty() ? 0 : rows[0].size()) << '\n';
        for (const QStringList& cells : rows)
            file << cells.join('\t').toStdString() << "\t\n";
        out.push_back(file.str());
    }
    return out;
}

std::unique_ptr<MatrixObject> parse(const std::string& text, protstream* protocol) {
    MatrixFile::Loaded loaded = MatrixFile::parse(text);
    return loaded ? copyDocument(*loaded.document, protocol) : nullptr;
}

std::string fileText(const MatrixObject& m) {
    std::string text = MatrixFile::text(m, FloatFormat());
    std::erase(text, '\r');
    return text;
}

struct Example {
    const char* page;
    int algorithm;
};
void PrintTo(const Example& c, std::ostream* os) {
    *os << c.page;
}


class HelpExample : public testing::TestWithParam<Example> {};

} // namespace

// Input, (second operand,) expected result: the page's matrices in order.
TEST_P(HelpExample, TheProgramComputesWhatThePageShows) {
    const Example& e = GetParam();
    const QString html = readPage(QString::fromLatin1(e.page));
    ASSERT_FALSE(html.isEmpty()) << e.page;
    const std::vector<std::string> m = pageMatrices(html);
    const bool twoOperands = e.algorithm >= AlgorithmCommand::Multiplikation;
    ASSERT_EQ(m.size(), twoOperands ? 3u : 2u) << "matrices on the page";

    protstream protocol;
    std::unique_ptr<MatrixObject> source = parse(m[0], &protocol);
    ASSERT_TRUE(source);
    DocumentRun doc;
    doc.source = source.get();
    doc.protocol = &protocol;
    AlgorithmCommand::Outcome outcome;
    if (twoOperands) {
        std::unique_ptr<MatrixObject> operand = parse(m[1], nullptr);
        ASSERT_TRUE(operand);
        outcome = AlgorithmCommand::runWithOperand(doc, e.algorithm, operand.get());
    } else if (e.algorithm == AlgorithmCommand::Pivotiere) {
        static const QRegularExpression at(QStringLiteral("Zeile (\\d+), Spalte (\\d+)"));
        const auto where = at.match(html);
        ASSERT_TRUE(where.hasMatch()) << "the page names the pivot position";
        outcome = AlgorithmCommand::run(doc, e.algorithm, where.captured(1).toInt(),
                                        where.captured(2).toInt());
    } else {
        outcome = AlgorithmCommand::run(doc, e.algorithm);
    }
    ASSERT_EQ(outcome.kind, AlgorithmCommand::Kind::Result) << outcome.text;
    EXPECT_EQ(fileText(*doc.result), m.back());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(AlgorithmPages, HelpExample, testing::Values(
    Example{"gauss.html", AlgorithmCommand::Gauss},
    Example{"gaussjordan.html", AlgorithmCommand::GaussJordan},
    Example{"loesung.html", AlgorithmCommand::Loesung},
    Example{"determinante.html", AlgorithmCommand::Determinante},
    Example{"bild.html", AlgorithmCommand::Bild},
    Example{"kern.html", AlgorithmCommand::Kern},
    Example{"inverse.html", AlgorithmCommand::Inverse},
    Example{"naehrungsloesung.html", AlgorithmCommand::Naehrungsloesung},
    Example{"pivotiere.html", AlgorithmCommand::Pivotiere},
    Example{"eckenfindung.html", AlgorithmCommand::Eckenfindung},
    Example{"simplex.html", AlgorithmCommand::Simplex},
    Example{"multiplikation.html", AlgorithmCommand::Multiplikation},
    Example{"addition.html", AlgorithmCommand::Addition},
    Example{"substraktion.html", AlgorithmCommand::Substraktion}),
    [](const testing::TestParamInfo<Example>& info) {
        std::string name = info.param.page;
        return name.substr(0, name.find('.'));
    });
// clang-format on

// The example file a page offers ("Beispieldatei examples/simplex.mtx") holds
// the page's first matrix, converted to floating point for a FLOAT file.
TEST(HelpExampleFiles, HoldThePagesMatrices) {
    static const QRegularExpression named(
        QStringLiteral("Beispieldatei\\s+<code>examples/([a-z-]+\\.mtx)</code>"));
    int checked = 0;
    for (const QString& page : QDir(QStringLiteral(LINEON_HELP_DIR)).entryList({"*.html"})) {
        const QString html = readPage(page);
        const auto m = named.match(html);
        if (!m.hasMatch()) continue;
        SCOPED_TRACE(page.toStdString());
        const MatrixFile::Loaded file =
            MatrixFile::read(QStringLiteral(LINEON_EXAMPLES "/") + m.captured(1));
        ASSERT_TRUE(file) << m.captured(1).toStdString();
        std::unique_ptr<MatrixObject> shown = parse(pageMatrices(html).front(), nullptr);
        ASSERT_TRUE(shown);
        if (file.document->kind() == MatrixObject::Float) shown = floatCopy(*shown, nullptr);
        EXPECT_EQ(fileText(*file.document), fileText(*shown));
        ++checked;
    }
    EXPECT_GE(checked, 5);
}
