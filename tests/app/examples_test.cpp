// The bundled example files show what their names promise: each is run
// through the algorithm it was made for, as lineon-cli and the menu run it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <memory>
#include <ostream>

#include "algorithmcommand.h"
#include "documentcopy.h"
#include "matrixfile.h"

namespace {

struct Case {
    const char* file;
    int algorithm;
    AlgorithmCommand::Kind kind;
    const char* result; // the result file without CR, for Kind::Result
};
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.file;
}


MatrixFile::Loaded load(const char* name) {
    return MatrixFile::read(QStringLiteral(LINEON_EXAMPLES "/") + QLatin1String(name));
}

std::string fileText(const MatrixObject& m) {
    std::string text = MatrixFile::text(m, FloatFormat());
    std::erase(text, '\r');
    return text;
}

AlgorithmCommand::Outcome run(MatrixFile::Loaded& file, DocumentRun& doc, int algorithm) {
    doc.source = file.document.get();
    doc.protocol = file.protocol.get();
    return AlgorithmCommand::run(doc, algorithm);
}

class ExampleFile : public testing::TestWithParam<Case> {};

} // namespace

TEST_P(ExampleFile, ShowsWhatItsNamePromises) {
    const Case& c = GetParam();
    MatrixFile::Loaded file = load(c.file);
    ASSERT_TRUE(file) << c.file;
    DocumentRun doc;
    const AlgorithmCommand::Outcome outcome = run(file, doc, c.algorithm);
    EXPECT_EQ(outcome.kind, c.kind) << outcome.text;
    if (c.kind == AlgorithmCommand::Kind::Result) {
        EXPECT_EQ(fileText(*doc.result), c.result);
    }
}

using K = AlgorithmCommand::Kind;
// clang-format off
const Case cases[] = {
    Case{"gleichungssystem.mtx", AlgorithmCommand::Loesung, K::Result, "3\t1\n2\t\n3\t\n-1\t\n"},
    Case{"parameter.mtx", AlgorithmCommand::Loesung, K::Result, "3\t2\n5/1/2\t-1/1/2\t\n1/2\t1/2\t\n0\t1\t\n"},
    Case{"widerspruch.mtx", AlgorithmCommand::Loesung, K::NoResult, ""},
    Case{"singulaer.mtx", AlgorithmCommand::Inverse, K::NoResult, ""},
    Case{"determinante.mtx", AlgorithmCommand::Determinante, K::Result, "1\t1\n-3\t\n"},
    Case{"ausgleichsgerade.mtx", AlgorithmCommand::Naehrungsloesung, K::Result, "2\t1\n1/1/2\t\n1\t\n"},
    Case{"naehrung.mtx", AlgorithmCommand::Naehrungsloesung, K::Result, "FLOAT1\t1\n2.33333\t\n"},
    Case{"simplex.mtx", AlgorithmCommand::Simplex, K::Result, "2\t1\n4\t\n1\t\n"},
    Case{"eckenfindung.mtx", AlgorithmCommand::Eckenfindung, K::Result,
         "6\t3\n1\t0\t0\t\n-1\t1\t2\t\n0\t1\t0\t\n-1\t0\t4\t\n1\t-1\t1\t\n-1\t-2\t14\t\n"},
    Case{"gleitkomma.mtx", AlgorithmCommand::Loesung, K::Result, "FLOAT3\t1\n2\t\n2.28571\t\n1.71429\t\n"},
    Case{"ueberlauf.mtx", AlgorithmCommand::Gauss, K::Overflow, ""},
};
INSTANTIATE_TEST_SUITE_P(Examples, ExampleFile, testing::ValuesIn(cases),
    [](const testing::TestParamInfo<Case>& info) {
        std::string name = info.param.file;
        return name.substr(0, name.find('.'));
    });
// clang-format on

TEST(ExampleFiles, EveryFileIsCheckedAbove) {
    QStringList checked;
    for (const Case& c : cases)
        checked << QLatin1String(c.file);
    checked.sort();
    EXPECT_EQ(QDir(QStringLiteral(LINEON_EXAMPLES)).entryList({"*.mtx"}, QDir::Files, QDir::Name),
              checked);
}

// The overflow example is the one the overflow message speaks of: in floating
// point the same elimination goes through.
TEST(ExampleFiles, TheOverflowExampleWorksInFloatingPoint) {
    MatrixFile::Loaded file = load("ueberlauf.mtx");
    ASSERT_TRUE(file);
    ASSERT_EQ(file.document->kind(), MatrixObject::Exact);
    file.document = floatCopy(*file.document, file.protocol.get());
    DocumentRun doc;
    EXPECT_EQ(run(file, doc, AlgorithmCommand::Gauss).kind, K::Result);
    EXPECT_EQ(doc.result->rows(), 3);
}

// The help's overview tells a newcomer about every example file.
TEST(ExampleFiles, TheHelpOverviewNamesEveryOne) {
    QFile page(QStringLiteral(LINEON_HELP_DIR "/programm.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    for (const Case& c : cases)
        EXPECT_TRUE(html.contains(QStringLiteral("<code>%1</code>").arg(QLatin1String(c.file))))
            << c.file;
}
