// The protocol: how text pieces, numbers and snapshots become records, and the
// plain-text form written to the protocol file.
#include <gtest/gtest.h>

#include "lpbuild.h"
#include "matrixbuild.h"
#include "protstream.h"

using lpbuild::records;
using matrixbuild::written;

TEST(ProtocolLines, NumbersJoinThePendingLineANewlineCompletesIt) {
    protstream p;
    p << "Gauss nr." << 3 << "\n";
    p << "pivotiere (" << 2 << "," << -13 << ")\n";
    EXPECT_EQ(records(p), (std::vector<std::string>{"Gauss nr.3", "pivotiere (2,-13)"}));
    EXPECT_EQ(p.pendingLine(), "");
}

TEST(ProtocolLines, OnlyTheLastCharacterOfAPieceCounts) {
    protstream p;
    p << "a\nb";
    EXPECT_TRUE(p.records().empty());
    p << "\n";
    EXPECT_EQ(records(p), std::vector<std::string>{"a\nb"});
}

TEST(ProtocolLines, EmptyPiecesAndBareNewlines) {
    protstream p;
    p << "";
    EXPECT_TRUE(p.records().empty());
    p << "\n";
    EXPECT_EQ(records(p), std::vector<std::string>{""});
}

TEST(ProtocolLines, ASnapshotTakenWhileALineIsOpenStandsBeforeIt) {
    protstream p;
    matrix<reel> m(1, 1, &p);
    p << "Inverse" << m << "\n";
    EXPECT_EQ(records(p), (std::vector<std::string>{"#", "Inverse"}));
}

TEST(ProtocolLines, ClearKeepsThePendingLine) {
    protstream p;
    p << "fertig\n" << "halb";
    p.clear();
    EXPECT_TRUE(p.records().empty());
    p << " voll\n";
    EXPECT_EQ(records(p), std::vector<std::string>{"halb voll"});
}

TEST(ProtocolSnapshots, AreIndependentCopies) {
    protstream p;
    matrix<double> m(1, 2, &p);
    m.at(0, 1) = 2.5;
    p << m;
    m.at(0, 1) = 9;
    EXPECT_EQ(written(p), "0\t2.5\t\n");
}

TEST(ProtocolText, TextAndExactSnapshot) {
    protstream p;
    matrix<reel> m(2, 2, &p);
    m.at(0, 0) = reel(1);
    m.at(0, 1) = reel(1, 2);
    m.at(1, 1) = reel(3);
    p << "Gauss von\n" << m;
    EXPECT_EQ(written(p), "Gauss von\n1\t1/2\t\n0\t3\t\n");
}

TEST(ProtocolText, EmptySnapshotWritesNothing) {
    protstream p;
    p << matrix<reel>(0, 0, &p) << "Ende\n";
    EXPECT_EQ(written(p), "Ende\n");
}

TEST(ProtocolText, MatricesWithoutProtocolWriteNowhere) {
    matrix<reel> m(2, 2);
    m.protocol() << "nichts\n" << m;
    EXPECT_TRUE(protstream::discard().records().empty());
    EXPECT_EQ(protstream::discard().pendingLine(), "");
}
