// The command-line runner: exit codes, messages, and output files that are the
// same bytes the desktop program saves.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sstream>

#include "clirunner.h"

namespace {

class Cli : public testing::Test {
protected:
    QTemporaryDir dir;

    std::string file(const std::string& name, const std::string& content) {
        const QString p = dir.filePath(QString::fromStdString(name));
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content.data(), qint64(content.size()));
        return p.toStdString();
    }
    std::string path(const std::string& name) {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    static std::string contents(const std::string& p) {
        QFile f(QString::fromStdString(p));
        if (!f.open(QIODevice::ReadOnly)) return "<missing>";
        return f.readAll().toStdString();
    }
    int run(std::vector<std::string> args) {
        err.str("");
        return CliRunner::run(args, err);
    }
    std::ostringstream err;
};

} // namespace

TEST_F(Cli, DeterminantWritesResultAndProtocol) {
    const auto a = file("a.mtx", "2\t2\r\n0\t1\t\r\n1\t1\t\r\n");
    EXPECT_EQ(run({"determinante", a, "--ergebnis", path("r.mtx"), "--protokoll", path("p.txt")}),
              0);
    EXPECT_EQ(contents(path("r.mtx")), "1\t1\r\n-1\t\r\n");
    const std::string protocol = contents(path("p.txt"));
    EXPECT_EQ(protocol.substr(0, 11), "Gauss von\r\n");
    EXPECT_NE(protocol.find("Determinante durch Multiplikation der diagonalen Eintr\xc3\xa4gen\r\n"
                            "-1\t\r\n"),
              std::string::npos);
}

TEST_F(Cli, NoResultAndRefusalsExitOneWithTheMessage) {
    const auto singular = file("s.mtx", "2\t2\r\n1\t2\t\r\n2\t4\t\r\n");
    EXPECT_EQ(run({"inverse", singular, "--ergebnis", path("r.mtx")}), 1);
    EXPECT_EQ(err.str(), "Die Matrix ist nicht invertierbar\n");
    EXPECT_EQ(contents(path("r.mtx")), "0\t0\r\n");

    const auto wide = file("w.mtx", "2\t3\r\n1\t2\t3\t\r\n4\t5\t6\t\r\n");
    EXPECT_EQ(run({"inverse", wide, "--ergebnis", path("r2.mtx"), "--protokoll", path("p.txt")}),
              1);
    EXPECT_EQ(err.str(), "Man kann nur n*n Matrizen inveriernen\n");
    EXPECT_EQ(contents(path("p.txt")), "");

    EXPECT_EQ(run({"addition", wide, "--operand", singular, "--ergebnis", path("r3.mtx")}), 1);
    EXPECT_NE(err.str().find("(2*3) als Bruchzahlen"), std::string::npos);
}

TEST_F(Cli, OverflowExitsTwoWithTheStepsSoFar) {
    const auto a = file("a.mtx", "1\t1\r\n2147483647\t\r\n");
    const auto b = file("b.mtx", "1\t1\r\n1\t\r\n");
    EXPECT_EQ(run({"addition", a, "--operand", b, "--ergebnis", path("r.mtx"), "--protokoll",
                   path("p.txt")}),
              2);
    EXPECT_EQ(err.str(), "\xc3\x9c"
                         "berlauf beim Berechnungen\n Versuchen Sie die Matrix in "
                         "Gleitkommazahlen umzuwandeln.\n");
    EXPECT_EQ(contents(path("r.mtx")), "0\t0\r\n");
    EXPECT_EQ(contents(path("p.txt")),
              "Addition von 2 Matrizen.\r\n2147483647\t\r\nplus\r\n1\t\r\n");

    // The floating-point copy does not overflow.
    EXPECT_EQ(run({"addition", a, "--operand", b, "--gleitkomma", "--ergebnis", path("f.mtx"),
                   "--fformat", "1", "--precision", "1"}),
              0);
    EXPECT_EQ(contents(path("f.mtx")), "FLOAT1\t1\r\n2147483648.0\t\r\n");
}

TEST_F(Cli, PivotNeedsAPositionInsideTheMatrix) {
    const auto a = file("a.mtx", "2\t2\r\n2\t4\t\r\n1\t3\t\r\n");
    EXPECT_EQ(run({"pivotiere", a}), 64);
    EXPECT_EQ(run({"pivotiere", a, "--pivot", "3,1"}), 64);
    EXPECT_NE(err.str().find("Value is not in the range 1 to 2."), std::string::npos);
    EXPECT_EQ(run({"pivotiere", a, "--pivot", "1,1", "--ergebnis", path("r.mtx")}), 0);
    EXPECT_EQ(contents(path("r.mtx")), "2\t2\r\n1\t0\t\r\n1/2\t1\t\r\n");
}

TEST_F(Cli, UsageAndFileErrors) {
    EXPECT_EQ(run({}), 64);
    EXPECT_NE(err.str().find("Aufruf: lineon-cli"), std::string::npos);
    EXPECT_EQ(run({"zaubern", "x"}), 64);
    EXPECT_EQ(run({"gauss", "x", "--fformat", "7"}), 64);
    EXPECT_EQ(run({"multiplikation", "x"}), 64);
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_EQ(run({"gauss", path("fehlt.mtx")}), 66);
    EXPECT_NE(err.str().find("Dokument kann nicht ge\xc3\xb6" "ffnet werden."), std::string::npos);
    const auto a = file("a.mtx", "1\t1\r\n1\t\r\n");
    EXPECT_EQ(run({"gauss", a, "--ergebnis", path("kein/ordner/r.mtx")}), 73);
}
