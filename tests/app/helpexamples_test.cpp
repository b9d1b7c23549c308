// The help pages' worked examples: the matrices of a page (its tables of
// class "m", in order: input, second operand, result) are what lineon-cli's
// runner computes, the example file a page names holds the page's first
// matrix, and the overview names every example file.
#include <gtest/gtest.h>

#include <QDir>
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

// The page's matrices as matrix-file text ("2 1/2" on the page is the mixed
// number 2½, "2/1/2" in a file).
std::vector<std::string> pageMatrices(const QString& html) {
    const auto all = QRegularExpression::DotMatchesEverythingOption;
    std::vector<std::string> out;
    for (const auto& t : QRegularExpression("<table class=\"m\">(.*?)</table>", all).globalMatch(html)) {
        std::ostringstream rows;
        int count = 0, cols = 0;
        for (const auto& r : QRegularExpression("<tr>(.*?)</tr>", all).globalMatch(t.captured(1))) {
            QStringList cells;
            for (const auto& c : QRegularExpression("<td[^>]*>(.*?)</td>").globalMatch(r.captured(1)))
                cells << c.captured(1).trimmed().replace(' ', '/');
            rows << cells.join('\t').toStdString() << "\t\r\n";
            cols = int(cells.size()), ++count;
        }
        out.push_back(std::to_string(count) + '\t' + std::to_string(cols) + "\r\n" + rows.str());
    }
    return out;
}

std::string text(const MatrixObject& m) { return MatrixFile::text(m, FloatFormat()); }

} // namespace

TEST(HelpExamples, TheProgramComputesWhatThePagesShow) {
    for (const std::string name : {"gauss", "gaussjordan", "loesung", "determinante", "bild", "kern",
                                   "inverse", "naehrungsloesung", "pivotiere", "eckenfindung",
                                   "simplex", "multiplikation", "addition", "substraktion"}) {
        SCOPED_TRACE(name);
        const QString html = readPage(QString::fromStdString(name + ".html"));
        const std::vector<std::string> m = pageMatrices(html);
        ASSERT_GE(m.size(), 2u) << "matrices on the page";
        QTemporaryDir dir;
        auto file = [&](const char* file, const std::string& text) {
            MatrixFile::writeBytes(dir.filePath(file), text);
            return dir.filePath(file).toStdString();
        };
        std::vector<std::string> args = {name == "gaussjordan" ? "gauss-jordan" : name,
                                         file("a.mtx", m[0]), "--ergebnis", dir.filePath("r.mtx").toStdString()};
        if (m.size() == 3) args.insert(args.end(), {"--operand", file("b.mtx", m[1])});
        const auto at = QRegularExpression("Zeile (\\d+), Spalte (\\d+)").match(html);
        if (name == "pivotiere")
            args.insert(args.end(), {"--pivot", (at.captured(1) + "," + at.captured(2)).toStdString()});
        std::ostringstream message;
        EXPECT_EQ(CliRunner::run(args, message), 0) << message.str();
        const MatrixFile::Loaded result = MatrixFile::read(dir.filePath("r.mtx"));
        ASSERT_TRUE(result);
        EXPECT_EQ(text(*result.document), m.back());
    }
}

TEST(HelpExamples, TheExampleFilesHoldThePagesMatricesAndTheOverviewNamesThemAll) {
    const QRegularExpression named("Beispieldatei\\s+<code>examples/([a-z-]+\\.mtx)</code>");
    int checked = 0;
    for (const QString& page : QDir(QStringLiteral(LINEON_HELP_DIR)).entryList({"*.html"})) {
        const QString html = readPage(page);
        const auto m = named.match(html);
        if (!m.hasMatch()) continue;
        const auto file = MatrixFile::read(QStringLiteral(LINEON_EXAMPLES "/") + m.captured(1));
        MatrixFile::Loaded shown = MatrixFile::parse(pageMatrices(html).front());
        ASSERT_TRUE(file && shown) << m.captured(1).toStdString();
        // A FLOAT file holds the page's matrix converted to floating point.
        if (file.document->kind() == MatrixObject::Float) shown.document = floatCopy(*shown.document, nullptr);
        EXPECT_EQ(text(*file.document), text(*shown.document)) << page.toStdString();
        ++checked;
    }
    EXPECT_GE(checked, 5);
    const QString overview = readPage(QStringLiteral("programm.html"));
    for (const QString& name : QDir(QStringLiteral(LINEON_EXAMPLES)).entryList({"*.mtx"})) {
        EXPECT_TRUE(MatrixFile::read(QStringLiteral(LINEON_EXAMPLES "/") + name)) << name.toStdString();
        EXPECT_TRUE(overview.contains("<code>" + name + "</code>")) << name.toStdString();
    }
}
