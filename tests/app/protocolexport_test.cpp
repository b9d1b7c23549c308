// The protocol export with and without the steps' notes. What the notes look
// like in both forms is recorded in the file session (dateien.sitzung); here:
// turned off, they leave no trace, and LaTeX gets no character pdflatex
// cannot set in text.
#include <gtest/gtest.h>

#include "../engine/commandrun.h"
#include "../engine/matrixbuild.h"
#include "matrixfloat.h"
#include "matrixreel.h"
#include "protmatrix.h"
#include "protocolexport.h"

using namespace matrixbuild;

TEST(ProtocolExport, NotesTurnedOffLeaveNoTraceAndLatexSetsTheirSignsInMath) {
    const MatrixReel system(mat<reel>(3, 4, {0, 2, 1, 7, 1, 1, 1, 6, 2, 1, 3, 13}));
    const MatrixFloat floats(MatrixFloat::converted(system, nullptr));
    const MatrixReel pivot(mat<reel>(2, 3, {1, 2, 3, 4, 5, 6}));
    const std::pair<const MatrixObject*, int> runs[] = {{&system, AlgorithmCommand::GaussJordan},
                                                        {&floats, AlgorithmCommand::Gauss},
                                                        {&pivot, AlgorithmCommand::Pivotiere}};
    for (const auto& [source, number] : runs) {
        SCOPED_TRACE(AlgorithmCommand::name(number));
        CommandRun run(*source, number, nullptr, 2, 2);
        const std::string tex = ProtocolExport::latex(run.protocol, {}, true);
        EXPECT_NE(tex.find("\\text{Pivot (2,2)}"), std::string::npos) << tex;
        for (const char* symbol : {"\u2194", "\u00b7", "\u2212"})
            EXPECT_EQ(tex.find(symbol), std::string::npos) << symbol;

        const std::string texOff = ProtocolExport::latex(run.protocol, {}, false),
                          htmlOff = ProtocolExport::html(run.protocol, {}, "t", false);
        for (const auto& record : run.protocol.records())
            if (auto* m = dynamic_cast<protmatrix*>(record.get())) m->setNote(nullptr);
        EXPECT_EQ(ProtocolExport::latex(run.protocol, {}, true), texOff);
        EXPECT_EQ(ProtocolExport::html(run.protocol, {}, "t", true), htmlOff);
    }
}
