// Worked examples as data: every file in tests/data is one case, run through
// lineon-cli's runner, which computes as the menu does and writes the bytes
// the program saves. A case file holds the call, the input matrices and what
// comes out:
//
//   # what the case shows
//   aufruf: determinante --gleitkomma     (the input file follows the name)
//   ende: 0                               (the exit code)
//   == matrix                             (then: operand, if the call needs one)
//   == meldung                            (what the runner says; often empty)
//   == ergebnis                           (the result file)
//   == protokoll                          (the protocol file)
//
// Sections are written with LF; the files are read and compared with CR LF.
// LINEON_BLESS=1 writes what the program gives back into the case files, for
// a new case to be read through and kept.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cctype>
#include <cstdlib>
#include <map>
#include <sstream>

#include "clirunner.h"

namespace {

struct Case {
    std::string file;
    std::string header; // comments, aufruf and ende lines as read
    std::map<std::string, std::string> sections;
    std::string call;
    int exit = 0;
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.file; }

std::string readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<missing>";
}

std::string replaced(std::string s, const std::string& from, const std::string& to) {
    for (auto at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
    return s;
}

Case parse(const QString& path) {
    Case c;
    c.file = QFileInfo(path).fileName().toStdString();
    std::istringstream in(readAll(path));
    std::string line, *section = nullptr;
    while (std::getline(in, line)) {
        if (line.rfind("== ", 0) == 0) {
            section = &c.sections[line.substr(3)];
        } else if (section) {
            *section += line + "\n";
        } else {
            c.header += line + "\n";
            if (line.rfind("aufruf: ", 0) == 0) c.call = line.substr(8);
            if (line.rfind("ende: ", 0) == 0) c.exit = std::atoi(line.c_str() + 6);
        }
    }
    return c;
}

std::vector<Case> allCases() {
    std::vector<Case> cases;
    const QDir dir(QStringLiteral(LINEON_CASES_DIR));
    for (const QString& name : dir.entryList({"*.case"}, QDir::Files, QDir::Name))
        cases.push_back(parse(dir.filePath(name)));
    return cases;
}

class CaseFile : public testing::TestWithParam<Case> {};

} // namespace

TEST_P(CaseFile, GivesTheRecordedResultAndProtocol) {
    const Case& c = GetParam();
    ASSERT_FALSE(c.call.empty()) << "no aufruf line";
    QTemporaryDir dir;
    auto write = [&](const char* name, const std::string& text) {
        QFile f(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(replaced(text, "\n", "\r\n")));
        return f.fileName().toStdString();
    };
    std::vector<std::string> args;
    std::istringstream words(c.call);
    for (std::string w; words >> w;) {
        args.push_back(w);
        if (args.size() == 1) args.push_back(write("matrix.mtx", c.sections.at("matrix")));
    }
    if (c.sections.count("operand"))
        args.insert(args.end(), {"--operand", write("operand.mtx", c.sections.at("operand"))});
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
        std::string text = replaced(c.header, "ende: " + std::to_string(c.exit),
                                    "ende: " + std::to_string(exit));
        for (const char* name : {"matrix", "operand", "meldung", "ergebnis", "protokoll"})
            if (got.count(name) || c.sections.count(name))
                text += std::string("== ") + name + "\n" +
                        (got.count(name) ? got[name] : c.sections.at(name));
        QFile f(QStringLiteral(LINEON_CASES_DIR "/") + QString::fromStdString(c.file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(text));
        return;
    }
    EXPECT_EQ(exit, c.exit);
    for (const auto& [name, text] : got)
        EXPECT_EQ(text, c.sections.count(name) ? c.sections.at(name) : "") << "== " << name;
}

INSTANTIATE_TEST_SUITE_P(Data, CaseFile, testing::ValuesIn(allCases()),
                         [](const testing::TestParamInfo<Case>& info) {
                             std::string name = info.param.file.substr(0, info.param.file.size() - 5);
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });
