// The protocol export as a person reads it. With notes, every snapshot that
// keeps a note shows each of its lines, in order, and exactly one marked
// entry: the pivot, where the note puts it. Without notes, the export is that
// of the same protocol with nothing noted: the text it had before notes
// existed, which the file session checks.
#include <gtest/gtest.h>

#include "../engine/commandrun.h"
#include "../engine/matrixbuild.h"
#include "matrixfloat.h"
#include "matrixreel.h"
#include "protmatrix.h"
#include "protocolexport.h"

using namespace matrixbuild;

namespace {

std::vector<std::string> split(const std::string& text, const std::string& sep) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (auto at = text.find(sep); at != std::string::npos; at = text.find(sep, from))
        parts.push_back(text.substr(from, at - from)), from = at + sep.size();
    parts.push_back(text.substr(from));
    return parts;
}
std::size_t count(const std::string& text, const std::string& what) {
    return split(text, what).size() - 1;
}

// How one form writes a matrix, a marked entry and a note line.
struct Form {
    std::string start, end, rowEnd, cellEnd, mark;
    std::string (*line)(const std::string&);
};

// Per snapshot, in order: its note lines after its matrix start, the pivot
// marked once, in the pivot's row after as many cells as its column.
void check(const protstream& p, const std::string& text, const Form& f) {
    const std::vector<std::string> parts = split(text, f.start);
    std::size_t k = 1, pivots = 0;
    for (const auto& record : p.records()) {
        const auto* m = dynamic_cast<const protmatrix*>(record.get());
        if (m == nullptr) continue;
        ASSERT_LT(k, parts.size());
        const std::string& part = parts[k++];
        const StepNote* note = m->note();
        std::size_t at = 0;
        for (const std::string& line : note ? noteLines(*note) : std::vector<std::string>())
            EXPECT_NE(at = part.find(f.line(line), at), std::string::npos) << line << part;
        const bool pivot = note != nullptr && note->pivotRow >= 0;
        pivots += pivot;
        EXPECT_EQ(count(part, f.mark), pivot ? 1u : 0u) << part;
        if (!pivot) continue;
        const std::vector<std::string> rows = split(split(part, f.end)[0], f.rowEnd);
        ASSERT_LT(std::size_t(note->pivotRow), rows.size()) << part;
        const std::string& marked = rows[std::size_t(note->pivotRow)];
        EXPECT_EQ(count(split(marked, f.mark)[0], f.cellEnd), std::size_t(note->pivotColumn));
    }
    EXPECT_EQ(k, parts.size());
    EXPECT_GT(pivots, 0u);
}

std::string item(const std::string& l) { return "<li>" + l + "</li>"; }
// Arrow, dot and minus sign, which pdflatex does not know in text, set in math.
std::string text(const std::string& l) {
    std::string s = "\\text{" + l + "}";
    for (const auto& [utf8, tex] : {std::pair{"\u2194", "\\(\\leftrightarrow\\)"},
                                    {"\u00b7", "\\(\\cdot\\)"},
                                    {"\u2212", "\\(-\\)"}})
        for (auto at = s.find(utf8); at != std::string::npos; at = s.find(utf8))
            s.replace(at, std::string(utf8).size(), tex);
    return s;
}
const Form html{"<table class=\"matrix\">", "</table>", "</tr>", "</td>", "class=\"pivot\"", item};
const Form latex{"\\begin{pmatrix}", "\\end{pmatrix}", "\\\\", "&", "\\boxed{", text};

} // namespace

TEST(ProtocolExport, NotesStandBesideTheirSnapshotsAndOffTheyLeaveNoTrace) {
    const MatrixReel system(mat<reel>(3, 4, {0, 2, 1, 7, 1, 1, 1, 6, 2, 1, 3, 13}));
    const MatrixFloat floats(MatrixFloat::converted(system, nullptr));
    const MatrixReel pivot(mat<reel>(2, 3, {1, 2, 3, 4, 5, 6}));
    const MatrixReel simplex(
        mat<reel>(6, 3, {-1, 0, -4, 0, -1, -3, -1, -1, -5, 1, 0, 0, 0, 1, 0, 3, 2, 0}));
    const std::pair<const MatrixObject*, int> runs[] = {{&system, AlgorithmCommand::GaussJordan},
                                                        {&floats, AlgorithmCommand::GaussJordan},
                                                        {&pivot, AlgorithmCommand::Pivotiere},
                                                        {&simplex, AlgorithmCommand::Simplex}};
    for (const auto& [source, number] : runs) {
        SCOPED_TRACE(AlgorithmCommand::name(number));
        CommandRun run(*source, number, nullptr, 2, 2);
        const std::string tex = ProtocolExport::latex(run.protocol, {}, true);
        check(run.protocol, ProtocolExport::html(run.protocol, {}, "t", true), html);
        check(run.protocol, tex, latex);
        for (const char* symbol : {"\u2194", "\u00b7", "\u2212"}) EXPECT_EQ(count(tex, symbol), 0u);

        const std::string texOff = ProtocolExport::latex(run.protocol, {}, false),
                          htmlOff = ProtocolExport::html(run.protocol, {}, "t", false);
        for (const auto& record : run.protocol.records())
            if (auto* m = dynamic_cast<protmatrix*>(record.get())) m->setNote(nullptr);
        EXPECT_EQ(ProtocolExport::latex(run.protocol, {}, true), texOff);
        EXPECT_EQ(ProtocolExport::html(run.protocol, {}, "t", true), htmlOff);
    }
}
