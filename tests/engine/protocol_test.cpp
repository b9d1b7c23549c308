// The protocol: how text pieces, numbers and snapshots become records, and
// the snapshot budget: runs whose snapshots fit are recorded completely;
// beyond the budget the protocol keeps its lines, the snapshots that fit and
// the latest matrix, and one line counts what was left out. Budgets are made
// small here so that tiny matrices run out.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "algorithmcommand.h"
#include "matrixbuild.h"
#include "matrixfloat.h"
#include "matrixlong.h"
#include "snapshotbudget.h"

#include <sys/resource.h>

using matrixbuild::written;
using Lines = std::vector<std::string>;

namespace {

// The protocol as one string per record: the text of a line, or "#" for a snapshot.
Lines records(const protstream& p) {
    Lines out;
    for (const auto& r : p.records()) {
        const auto* s = dynamic_cast<const protstring*>(r.get());
        out.push_back(s ? s->text : "#");
    }
    return out;
}

// How many snapshots the protocol's note says were left out; 0 without a
// note. Allocates nothing, for the runs without memory.
long omitted(const protstream& p) {
    constexpr std::string_view note = "Protokoll gekürzt: ";
    for (const auto& r : p.records())
        if (const auto* s = dynamic_cast<const protstring*>(r.get());
            s && s->text.rfind(note, 0) == 0)
            return std::strtol(s->text.c_str() + note.size(), nullptr, 10);
    return 0;
}

matrix<double> sample(int n, protstream* p) {
    matrix<double> m(n, n, p);
    int v = 2;
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) m.at(r, c) = (v = v * 7 % 11) - 5 + (r == c ? 9 : 0);
    return m;
}

constexpr std::size_t doubles4x4 = 16 * sizeof(double);

} // namespace

TEST(ProtocolLines, PiecesJoinUntilANewlineSnapshotsStandBeforeTheOpenLine) {
    protstream p;
    p << "Gauss nr." << 3 << "\n"
      << "a\nb";
    EXPECT_EQ(records(p), Lines{"Gauss nr.3"}); // only a piece's last character counts
    matrix<reel> m(1, 1, &p);
    p << "\n"
      << ""
      << "\n"
      << "Inverse" << m << "\n";
    EXPECT_EQ(records(p), (Lines{"Gauss nr.3", "a\nb", "", "#", "Inverse"}));
    p << "halb";
    p.clear(); // keeps the pending line
    p << " voll\n" << matrix<reel>(0, 0, &p);
    EXPECT_EQ(written(p), "halb voll\n");
    // Snapshots are copies; matrices without a protocol write nowhere.
    matrix<double> d(1, 2, &p);
    d.at(0, 1) = 2.5;
    p << d;
    d.at(0, 1) = 9;
    EXPECT_EQ(written(p), "halb voll\n0\t2.5\t\n");
    matrix<reel>(2, 2).protocol() << "nichts\n" << m;
    EXPECT_TRUE(protstream::discard().records().empty());
}

TEST(ProtocolBudget, ARunThatFitsIsRecordedCompletelyBeyondItTheLatestMatrixStaysAtTheEnd) {
    protstream unbounded;
    sample(4, &unbounded).gaussJordan();
    {
        // Five snapshots of 4 x 4: the budget is exactly what they need.
        snapshotbudget::scopedlimit exact(snapshotbudget::inUse() + 5 * doubles4x4);
        protstream bounded;
        sample(4, &bounded).gaussJordan();
        EXPECT_EQ(written(bounded), written(unbounded));
    }
    snapshotbudget::scopedlimit limit(snapshotbudget::inUse() + 2 * doubles4x4);
    protstream p;
    auto m = sample(4, &p);
    m.gaussJordan();
    // Snapshots 0 and 1 fit, 2 and 3 are left out, 4 (the last) is kept.
    Lines l = records(p);
    ASSERT_EQ(l.size(), 9u);
    EXPECT_EQ(l[5].rfind("Protokoll gekürzt: 2 Zwischenmatrizen ausgelassen, weil der Speicher "
                         "für Protokolle (",
                         0),
              0u);
    l[5] = "-";
    EXPECT_EQ(l, (Lines{"Gauss-Jordan von", "#", "Gauss-Jordan nr.1", "#", "Gauss-Jordan nr.2", "-",
                        "Gauss-Jordan nr.3", "Gauss-Jordan nr.4", "#"}));
    EXPECT_TRUE(written(p).ends_with(matrixbuild::shown(m)));

    // The inverse works on n x 2n and ends with the n x n result, kept as the latest.
    snapshotbudget::scopedlimit none(snapshotbudget::inUse());
    protstream q;
    const matrix<double> inv = sample(3, &q).inverse();
    EXPECT_EQ(omitted(q), 4);
    EXPECT_EQ(records(q)[records(q).size() - 2], "Inverse");
    EXPECT_TRUE(written(q).ends_with(matrixbuild::shown(inv)));
}

// By default the budget is three quarters of 2 GiB or of a quarter of the
// machine, whichever is less; the note names the budget in force.
TEST(ProtocolBudget, TheDefaultAndTheNoteWhichCountsInTheSingularAndShowsTheSize) {
    constexpr std::size_t GiB = std::size_t(1) << 30;
    EXPECT_EQ(snapshotbudget::defaultLimit(64 * GiB), 3 * GiB / 2);
    EXPECT_EQ(snapshotbudget::defaultLimit(4 * GiB), 3 * GiB / 4);
    EXPECT_EQ(snapshotbudget::defaultLimit(0), 3 * GiB / 2); // size unknown
    snapshotbudget::scopedlimit limit(snapshotbudget::inUse() + 1000);
    protstream p;
    matrix<double> big(20, 20, &p), small(1, 1, &p);
    p << "a\n" << big << "b\n" << big;
    EXPECT_EQ(records(p), (Lines{"a",
                                 "Protokoll gekürzt: 1 Zwischenmatrix ausgelassen, weil der "
                                 "Speicher für Protokolle (1 KB) nicht reicht. Die letzte "
                                 "Matrix steht am Ende.",
                                 "b", "#"}));
    // Once over budget, even a snapshot that would fit goes the same way.
    p << small;
    EXPECT_EQ(omitted(p), 2);
    EXPECT_EQ(p.records().size(), 4u);
}

// Long fractions count the digits they hold, and give them back.
TEST(ProtocolBudget, LongFractionsTakeTheBytesOfTheirDigits) {
    const std::size_t before = snapshotbudget::inUse();
    protstream p;
    MatrixLong m(2, 2, &p);
    m.setCellText(0, 0, std::string(1000, '7')); // 1000 digits: 416 bytes at least
    p << static_cast<const matrix<longreel>&>(m);
    EXPECT_GE(snapshotbudget::inUse(), before + 4 * sizeof(longreel) + 416);
    p.clear();
    EXPECT_EQ(snapshotbudget::inUse(), before);
}

TEST(ProtocolBudget, ProtocolsShareTheBudgetAndGiveItBack) {
    const std::size_t before = snapshotbudget::inUse();
    snapshotbudget::scopedlimit limit(before + 3 * doubles4x4);
    auto first = std::make_unique<protstream>();
    protstream second;
    matrix<double> m(4, 4, first.get());
    *first << m << m;
    EXPECT_EQ(snapshotbudget::inUse(), before + 2 * doubles4x4);
    m.prot = &second;
    second << m << m;
    EXPECT_EQ(omitted(second), 0); // the second is kept as the latest
    second << m;
    EXPECT_EQ(omitted(second), 1);
    // A cleared protocol gives its share back, and its next run starts afresh.
    first.reset();
    EXPECT_EQ(snapshotbudget::inUse(), before + doubles4x4);
    second.clear();
    EXPECT_EQ(snapshotbudget::inUse(), before);
    second << m << m << m;
    EXPECT_EQ(omitted(second), 0);
}

// Runs in a child process whose address space is capped a few MB above what
// it already uses, so that allocations really fail. The sanitizers reserve
// vast address space and cannot run under such a cap.
#if defined(__SANITIZE_ADDRESS__)
#define LINEON_NO_ADDRESS_CAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LINEON_NO_ADDRESS_CAP 1
#endif
#endif

#ifndef LINEON_NO_ADDRESS_CAP
namespace {
void capAddressSpace(std::size_t extra) {
    std::size_t pages = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%zu", &pages) != 1) pages = 0;
        std::fclose(f);
    }
    const rlim_t cap = rlim_t(pages) * 4096 + extra;
    const rlimit limit{cap, cap};
    if (pages == 0 || setrlimit(RLIMIT_AS, &limit) != 0) std::_Exit(99);
}

// Exit code: 10 + outcome kind, 50 when the protocol is not as expected.
[[noreturn]] void runCapped(int n, std::size_t extra, bool expectOmitted) {
    protstream protocol;
    MatrixFloat source(n, n, &protocol);
    for (int i = 0; i < n; ++i) source.at(i, i) = 2.0;
    DocumentRun doc{&source, &protocol, nullptr, 0, false};
    capAddressSpace(extra);
    const auto out = AlgorithmCommand::run(doc, AlgorithmCommand::GaussJordan);
    if (expectOmitted && omitted(protocol) < n) std::_Exit(50);
    std::_Exit(10 + int(out.kind));
}

// Long fractions of 5000 digits: the working copy does not fit the cap.
[[noreturn]] void runLongCapped() {
    protstream protocol;
    MatrixLong source(40, 40, &protocol);
    const std::string digits(5000, '7');
    for (int i = 0; i < 40; ++i)
        for (int j = 0; j < 40; ++j) source.setCellText(i, j, digits);
    DocumentRun doc{&source, &protocol, nullptr, 0, false};
    capAddressSpace(std::size_t(2) << 20);
    const auto out = AlgorithmCommand::run(doc, AlgorithmCommand::GaussJordan);
    std::_Exit(10 + int(out.kind));
}
} // namespace
#endif

TEST(ProtocolWithoutMemory, SnapshotsWithoutMemoryAreLeftOutARunWithoutAnyReportsIt) {
#ifdef LINEON_NO_ADDRESS_CAP
    GTEST_SKIP() << "address space cannot be capped under the sanitizers";
#else
    // 400 x 400 doubles: 1.28 MB per snapshot; the cap leaves room for the
    // working copy and at most one snapshot, never for a block of the pool.
    EXPECT_EXIT(runCapped(400, std::size_t(3) << 20, true),
                ::testing::ExitedWithCode(10 + int(AlgorithmCommand::Kind::Result)), "");
    // 999 x 999 doubles: the 8 MB working copy itself does not fit.
    EXPECT_EXIT(runCapped(999, std::size_t(1) << 20, false),
                ::testing::ExitedWithCode(10 + int(AlgorithmCommand::Kind::OutOfMemory)), "");
    // The digits of long fractions, where their library would end the program.
    EXPECT_EXIT(runLongCapped(),
                ::testing::ExitedWithCode(10 + int(AlgorithmCommand::Kind::OutOfMemory)), "");
#endif
}
