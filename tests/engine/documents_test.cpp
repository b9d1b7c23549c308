// Matrix documents: copies of either kind, and the algorithm operations that
// replace a document by their result. Cell texts are rows of
// tests/data/tabellentexte.txt.
#include <gtest/gtest.h>

#include <sstream>

#include "documentcopy.h"
#include "matrixfloat.h"
#include "matrixreel.h"
#include "protstream.h"

TEST(Documents, FloatCopyOfAnExactDocument) {
    protstream p, q;
    MatrixReel m(1, 2, &p);
    m.at(0, 0) = reel(1, 3);
    m.at(0, 1) = reel(-2, 1, 2);
    auto f = floatCopy(m, &q);
    ASSERT_EQ(f->kind(), MatrixObject::Float);
    auto& fd = dynamic_cast<MatrixFloat&>(*f);
    EXPECT_DOUBLE_EQ(fd.at(0, 0), 1.0 / 3.0);
    EXPECT_EQ(fd.at(0, 1), -2.5);
    EXPECT_EQ(fd.prot, &q);
    EXPECT_EQ(m.cellText(0, 1, {}), "-2,1,2");
}

TEST(Documents, CopiesShareTheGivenProtocolAndNothingElse) {
    protstream p, q;
    MatrixReel m(1, 1, &p);
    m.at(0, 0) = reel(7);
    auto c = copyDocument(m, &q);
    auto& cr = dynamic_cast<MatrixReel&>(*c);
    EXPECT_EQ(cr.prot, &q);
    cr.at(0, 0) = reel(1);
    EXPECT_EQ(m.cellText(0, 0, {}), "7");
}

TEST(Documents, AnOverflowLeavesAReplacedDocumentUnchanged) {
    protstream p;
    MatrixReel m(2, 2, &p);
    m.at(0, 0) = reel(1, 65536);
    m.at(0, 1) = reel(1, 65535);
    m.at(1, 0) = reel(1, 65533);
    m.at(1, 1) = reel(1, 65521);
    std::ostringstream before;
    m.write(before);
    EXPECT_THROW(m.inverse(), mylongint::overflow);
    std::ostringstream after;
    m.write(after);
    EXPECT_EQ(after.str(), before.str());
    EXPECT_FALSE(p.records().empty()); // the steps before the failure remain
}
