// Worked examples as data: every file *.case in tests/data is one case, run
// through lineon-cli's runner, which computes as the menu does and writes the
// bytes the program saves. A case file holds the call, the input matrices and
// what comes out:
//
//   # what the case shows
//   aufruf: determinante --gleitkomma     (the input file follows the name)
//   ende: 0                               (the exit code)
//   == matrix                             (then: operand, if the call needs one)
//   == meldung                            (what the runner says; often empty)
//   == ergebnis                           (the result file)
//   == protokoll                          (the protocol file)
//
// The files are written and compared with CR LF. LINEON_BLESS=1 writes what
// the program gives back into the case files, for a new case to be read
// through and kept.
#include <QTemporaryDir>

#include <cstdlib>

#include "casefile.h"
#include "clirunner.h"

class CaseFile : public testing::TestWithParam<DataFile> {};

TEST_P(CaseFile, GivesTheRecordedResultAndProtocol) {
    const DataFile& c = GetParam();
    QTemporaryDir dir;
    auto file = [&](const char* name) { return dir.filePath(QLatin1String(name)).toStdString(); };
    auto write = [&](const char* name, const std::string& section) {
        QFile f(QString::fromStdString(file(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(replaced(c.section(section), "\n", "\r\n")));
        return file(name);
    };
    std::vector<std::string> args;
    std::istringstream words(c.value("aufruf"));
    for (std::string w; words >> w;)
        if (args.push_back(w); args.size() == 1) args.push_back(write("matrix.mtx", "matrix"));
    ASSERT_FALSE(args.empty()) << "no aufruf line";
    if (c.sections.count("operand"))
        args.insert(args.end(), {"--operand", write("operand.mtx", "operand")});
    args.insert(args.end(),
                {"--ergebnis", file("ergebnis.mtx"), "--protokoll", file("protokoll.txt")});
    std::ostringstream message;
    const std::string exit = std::to_string(CliRunner::run(args, message));

    // What came out, with LF line ends; the files themselves must have CR LF.
    std::map<std::string, std::string> got = {{"meldung", message.str()}};
    for (const auto& [name, written] :
         {std::pair{"ergebnis", "ergebnis.mtx"}, {"protokoll", "protokoll.txt"}}) {
        const std::string bytes = readAll(QString::fromStdString(file(written)));
        got[name] = replaced(bytes, "\r\n", "\n");
        EXPECT_EQ(bytes, replaced(got[name], "\n", "\r\n")) << name << " has a bare LF";
    }
    if (std::getenv("LINEON_BLESS"))
        return bless(c, got, replaced(c.header, "ende: " + c.value("ende"), "ende: " + exit));
    EXPECT_EQ(exit, c.value("ende"));
    for (const auto& [name, text] : got) EXPECT_EQ(text, c.section(name)) << "== " << name;
}

INSTANTIATE_TEST_SUITE_P(Data, CaseFile, testing::ValuesIn(dataFiles("*.case")), testName);
