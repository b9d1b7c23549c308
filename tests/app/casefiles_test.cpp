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
// The files are read and compared with CR LF. LINEON_BLESS=1 writes what the
// program gives back into the case files, for a new case to be read through
// and kept.
#include <QTemporaryDir>

#include <cstdlib>

#include "casefile.h"
#include "clirunner.h"

namespace {
class CaseFile : public testing::TestWithParam<DataFile> {};
} // namespace

TEST_P(CaseFile, GivesTheRecordedResultAndProtocol) {
    const DataFile& c = GetParam();
    const std::string call = c.value("aufruf"), ende = c.value("ende");
    ASSERT_FALSE(call.empty()) << "no aufruf line";
    QTemporaryDir dir;
    auto write = [&](const char* name, const std::string& text) {
        QFile f(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(replaced(text, "\n", "\r\n")));
        return f.fileName().toStdString();
    };
    std::vector<std::string> args;
    std::istringstream words(call);
    for (std::string w; words >> w;) {
        args.push_back(w);
        if (args.size() == 1) args.push_back(write("matrix.mtx", c.section("matrix")));
    }
    if (c.sections.count("operand"))
        args.insert(args.end(), {"--operand", write("operand.mtx", c.section("operand"))});
    const QString result = dir.filePath("ergebnis.mtx"), protocol = dir.filePath("protokoll.txt");
    args.insert(args.end(), {"--ergebnis", result.toStdString(), "--protokoll",
                             protocol.toStdString()});
    std::ostringstream message;
    const int exit = CliRunner::run(args, message);

    // What came out, with LF line ends; the files themselves must have CR LF.
    std::map<std::string, std::string> got = {{"meldung", message.str()}};
    for (const auto& [name, path] : {std::pair{"ergebnis", result}, {"protokoll", protocol}}) {
        const std::string bytes = readAll(path);
        got[name] = replaced(bytes, "\r\n", "\n");
        EXPECT_EQ(bytes, replaced(got[name], "\n", "\r\n")) << name << " has a bare LF";
    }
    if (std::getenv("LINEON_BLESS")) {
        bless(c, got, replaced(c.header, "ende: " + ende, "ende: " + std::to_string(exit)));
        return;
    }
    EXPECT_EQ(std::to_string(exit), ende);
    for (const auto& [name, text] : got) EXPECT_EQ(text, c.section(name)) << "== " << name;
}

INSTANTIATE_TEST_SUITE_P(Data, CaseFile, testing::ValuesIn(dataFiles("*.case")), testName);
