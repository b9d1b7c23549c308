// The snapshot budget: runs whose snapshots fit are recorded completely; beyond
// the budget the protocol keeps its lines, the snapshots that fit and the
// latest matrix, and one line counts what was left out. Budgets are made
// small here so that tiny matrices run out.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "algorithmcommand.h"
#include "lpbuild.h"
#include "matrixfloat.h"
#include "matrixreel.h"
#include "protstring.h"
#include "snapshotbudget.h"
#include "snapshotpool.h"

#include <sys/resource.h>

namespace {

template <class T> matrix<T> sample(int rows, int cols, protstream* p) {
    matrix<T> m(rows, cols, p);
    int v = 2;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) m.at(r, c) = T((v = v * 7 % 11) - 5 + (r == c ? 9 : 0));
    return m;
}

template <class X> std::string written(const X& x) {
    std::ostringstream os;
    x.write(os);
    return os.str();
}

template <class T> std::string written(const matrix<T>& m) {
    std::ostringstream os;
    m.writeEntries(os);
    return os.str();
}

const std::string& lastWritten(const protstream& p, std::string& out) {
    out = written(*p.records().back());
    return out;
}

constexpr std::size_t doubles4x4 = 16 * sizeof(double);

} // namespace

template <class T> class ProtocolBudget : public ::testing::Test {};
using lpbuild::records;
using EntryTypes = ::testing::Types<reel, double>;
TYPED_TEST_SUITE(ProtocolBudget, EntryTypes);

TYPED_TEST(ProtocolBudget, ARunThatFitsExactlyIsRecordedCompletely) {
    protstream unbounded;
    auto a = sample<TypeParam>(4, 4, &unbounded);
    a.gaussJordan();

    // Five snapshots of 4 x 4: the budget is exactly what they need.
    snapshotbudget::scopedlimit limit(snapshotbudget::inUse() + 5 * 16 * sizeof(TypeParam));
    protstream bounded;
    auto b = sample<TypeParam>(4, 4, &bounded);
    b.gaussJordan();
    EXPECT_EQ(bounded.omittedSnapshots(), 0);
    EXPECT_EQ(written(bounded), written(unbounded));
}

TYPED_TEST(ProtocolBudget, BeyondTheBudgetTheLatestMatrixStaysAtTheEnd) {
    snapshotbudget::scopedlimit limit(snapshotbudget::inUse() + 2 * 16 * sizeof(TypeParam));
    protstream p;
    auto m = sample<TypeParam>(4, 4, &p);
    m.gaussJordan();

    // Snapshots 0 and 1 fit, 2 and 3 are left out, 4 (the last) is kept.
    EXPECT_EQ(p.omittedSnapshots(), 2);
    const auto l = records(p);
    ASSERT_EQ(l.size(), 9u);
    EXPECT_EQ(l[0], "Gauss-Jordan von");
    EXPECT_EQ(l[1], "#");
    EXPECT_EQ(l[2], "Gauss-Jordan nr.1");
    EXPECT_EQ(l[3], "#");
    EXPECT_EQ(l[4], "Gauss-Jordan nr.2");
    EXPECT_EQ(l[5].rfind("Protokoll gekürzt: 2 Zwischenmatrizen ausgelassen, weil der Speicher "
                         "für Protokolle (",
                         0),
              0u);
    EXPECT_EQ(l[6], "Gauss-Jordan nr.3");
    EXPECT_EQ(l[7], "Gauss-Jordan nr.4");
    EXPECT_EQ(l[8], "#");
    std::string last;
    EXPECT_EQ(lastWritten(p, last), written(m));
}

TYPED_TEST(ProtocolBudget, ALatestMatrixOfAnotherShapeReplacesTheOldOne) {
    // The inverse works on n x 2n and ends with the n x n result.
    snapshotbudget::scopedlimit limit(snapshotbudget::inUse());
    protstream p;
    auto m = sample<TypeParam>(3, 3, &p);
    const matrix<TypeParam> inv = m.inverse();
    ASSERT_EQ(inv.rows(), 3);
    // Four steps of the elimination are left out, the inverse is kept.
    EXPECT_EQ(p.omittedSnapshots(), 4);
    const auto l = records(p);
    EXPECT_EQ(l[0], "Gauss-Jordan von");
    EXPECT_EQ(l[1].rfind("Protokoll gekürzt: 4 Zwischenmatrizen", 0), 0u);
    EXPECT_EQ(l[l.size() - 2], "Inverse");
    std::string last;
    EXPECT_EQ(lastWritten(p, last), written(inv));
}

TEST(ProtocolBudgetNote, OneLeftOutIsCountedInTheSingularAndTheSizeIsShown) {
    snapshotbudget::scopedlimit limit(snapshotbudget::inUse() + 1000);
    protstream p;
    matrix<double> big(20, 20, &p), small(1, 1, &p);
    p << "a\n" << big << "b\n" << big;
    EXPECT_EQ(records(p),
              (std::vector<std::string>{"a", "Protokoll gekürzt: 1 Zwischenmatrix ausgelassen, "
                                             "weil der Speicher für Protokolle (1 KB) nicht "
                                             "reicht. Die letzte Matrix steht am Ende.",
                                        "b", "#"}));
    // Once over budget, even a snapshot that would fit goes the same way.
    p << small;
    EXPECT_EQ(p.omittedSnapshots(), 2);
    EXPECT_EQ(p.records().size(), 4u);
}

TEST(ProtocolBudgetNote, ASingleSnapshotBeyondTheBudgetNeedsNoNote) {
    snapshotbudget::scopedlimit limit(snapshotbudget::inUse());
    protstream p;
    matrix<reel> m(2, 2, &p);
    p << "Lösung\n" << m;
    EXPECT_EQ(records(p), (std::vector<std::string>{"Lösung", "#"}));
    EXPECT_EQ(written(p), "Lösung\n0\t0\t\n0\t0\t\n");
}

TEST(ProtocolBudgetShare, ProtocolsShareTheBudgetAndGiveItBack) {
    const std::size_t before = snapshotbudget::inUse();
    snapshotbudget::scopedlimit limit(before + 3 * doubles4x4);
    auto first = std::make_unique<protstream>();
    protstream second;
    matrix<double> m(4, 4, first.get());
    *first << m << m;
    EXPECT_EQ(snapshotbudget::inUse(), before + 2 * doubles4x4);

    m.prot = &second;
    second << m << m;
    EXPECT_EQ(second.omittedSnapshots(), 0); // the second is kept as the latest
    second << m;
    EXPECT_EQ(second.omittedSnapshots(), 1);

    // A cleared protocol gives its share back, and its next run starts afresh.
    first.reset();
    EXPECT_EQ(snapshotbudget::inUse(), before + doubles4x4);
    second.clear();
    EXPECT_EQ(snapshotbudget::inUse(), before);
    EXPECT_EQ(second.omittedSnapshots(), 0);
    second << m << m << m;
    EXPECT_EQ(second.omittedSnapshots(), 0);
    EXPECT_EQ(second.records().size(), 3u);
}

TEST(ProtocolBudgetCommand, AShortenedRunStillShowsItsResult) {
    snapshotbudget::scopedlimit limit(snapshotbudget::inUse() + doubles4x4);
    protstream protocol;
    MatrixFloat source(4, 4, &protocol);
    static_cast<matrix<double>&>(source) = sample<double>(4, 4, nullptr);
    DocumentRun doc{&source, &protocol, nullptr, 0, false};
    const auto out = AlgorithmCommand::run(doc, AlgorithmCommand::GaussJordan);
    EXPECT_EQ(out.kind, AlgorithmCommand::Kind::Result);
    EXPECT_EQ(protocol.omittedSnapshots(), 3);
    std::string last;
    EXPECT_EQ(lastWritten(protocol, last), written(*doc.result));
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
    if (expectOmitted && protocol.omittedSnapshots() < n) std::_Exit(50);
    std::_Exit(10 + int(out.kind));
}
} // namespace
#endif

TEST(ProtocolWithoutMemory, SnapshotsThatFindNoMemoryAreLeftOutAndTheRunCompletes) {
#ifdef LINEON_NO_ADDRESS_CAP
    GTEST_SKIP() << "address space cannot be capped under the sanitizers";
#else
    // 400 x 400 doubles: 1.28 MB per snapshot; the cap leaves room for the
    // working copy and at most one snapshot, never for a block of the pool.
    EXPECT_EXIT(runCapped(400, std::size_t(3) << 20, true),
                ::testing::ExitedWithCode(10 + int(AlgorithmCommand::Kind::Result)), "");
#endif
}

TEST(ProtocolWithoutMemory, ARunWithoutMemoryForItsMatricesReportsIt) {
#ifdef LINEON_NO_ADDRESS_CAP
    GTEST_SKIP() << "address space cannot be capped under the sanitizers";
#else
    // 999 x 999 doubles: the 8 MB working copy itself does not fit.
    EXPECT_EXIT(runCapped(999, std::size_t(1) << 20, false),
                ::testing::ExitedWithCode(10 + int(AlgorithmCommand::Kind::OutOfMemory)), "");
#endif
}

TEST(SnapshotBudgetDefault, TwoGiBOrAQuarterOfTheMachineThreeQuartersForSnapshots) {
    constexpr std::size_t GiB = std::size_t(1) << 30;
    EXPECT_EQ(snapshotbudget::defaultLimit(64 * GiB), 3 * GiB / 2);
    EXPECT_EQ(snapshotbudget::defaultLimit(8 * GiB), 3 * GiB / 2);
    EXPECT_EQ(snapshotbudget::defaultLimit(4 * GiB), 3 * GiB / 4);
    EXPECT_EQ(snapshotbudget::defaultLimit(0), 3 * GiB / 2); // size unknown
    EXPECT_LE(snapshotbudget::limit(), 3 * GiB / 2);
}

TEST(SnapshotPool, BlocksAreAlignedSeparateAndGrowForLargeRequests) {
    snapshotpool pool;
    std::vector<std::pair<char*, std::size_t>> got;
    for (std::size_t bytes : {std::size_t(8), std::size_t(100), std::size_t(3) << 20,
                              std::size_t(1), std::size_t(5) << 20}) {
        auto* p = static_cast<char*>(pool.allocate(bytes));
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % 64, 0u);
        std::fill(p, p + bytes, char(got.size() + 1));
        got.emplace_back(p, bytes);
    }
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].first[0], char(i + 1));
        EXPECT_EQ(got[i].first[got[i].second - 1], char(i + 1));
    }
    EXPECT_GE(pool.reserved(), (std::size_t(8) << 20));
    pool.clear();
    EXPECT_EQ(pool.reserved(), 0u);
}
