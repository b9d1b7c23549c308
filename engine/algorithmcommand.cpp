#include "algorithmcommand.h"

#include <new>

#include "documentcopy.h"
#include "stringtable.h"
#include "visitkind.h"

namespace {
const char* const names[AlgorithmCommand::count] = {
    "Kein Ergebniss", "Gauss",   "Gauss-Jordan",   "Lösung",         "Determinante",
    "Bild",           "Kern",    "Inverse",        "Nährungslösung", "Pivotiere",
    "Eckenfindung",   "Simplex", "Multiplikation", "Addition",       "Substraktion"};

AlgorithmCommand::Outcome message(AlgorithmCommand::Kind kind, strings::Id text) {
    return {kind, text, strings::format(text)};
}

// operand has the type of a (operandFits).
template <class Doc> void combine(int number, Doc& a, const MatrixObject& operand) {
    const auto& b = static_cast<const Doc&>(operand);
    if (number == AlgorithmCommand::Multiplikation)
        a.multiply(b);
    else if (number == AlgorithmCommand::Addition)
        a.add(b);
    else
        a.subtract(b);
}
} // namespace

const char* AlgorithmCommand::name(int number) {
    return number >= 0 && number < count ? names[number] : names[0];
}

bool AlgorithmCommand::refuses(int number, const MatrixObject& source, Outcome& refusal) {
    const int r = source.rows(), c = source.cols();
    if (number == Determinante && !(r == c || r + 1 == c)) {
        refusal = message(Kind::Refused, strings::DeterminantShape);
        return true;
    }
    if (number == Inverse && r != c) {
        refusal = message(Kind::Refused, strings::InverseShape);
        return true;
    }
    return false;
}

void AlgorithmCommand::resetForRun(DocumentRun& doc) {
    doc.result.reset();
    doc.result = copyDocument(*doc.source, doc.protocol);
    doc.protocol->clear();
}

AlgorithmCommand::Outcome AlgorithmCommand::run(DocumentRun& doc, int number, int pivotRow,
                                                int pivotColumn) {
    Outcome refusal;
    if (refuses(number, *doc.source, refusal)) return refusal;
    doc.algorithm = number;
    if (!resetFits(doc)) return outOfMemory(doc);
    return guarded(doc, number, pivotRow, pivotColumn, nullptr);
}

AlgorithmCommand::Outcome AlgorithmCommand::runWithOperand(DocumentRun& doc, int number,
                                                           const MatrixObject* operand) {
    if (!resetFits(doc)) return outOfMemory(doc);
    doc.algorithm = number;
    if (operand == nullptr || !operandFits(number, *doc.source, *operand))
        return {Kind::NoOperand, 0, {}};
    return guarded(doc, number, 0, 0, operand);
}

AlgorithmCommand::Outcome AlgorithmCommand::guarded(DocumentRun& doc, int number, int pivotRow,
                                                    int pivotColumn, const MatrixObject* operand) {
    MatrixObject& result = *doc.result;
    try {
        switch (number) {
        case Gauss: result.gauss(); break;
        case GaussJordan: result.gaussJordan(); break;
        case Loesung:
            result.gaussJordan();
            result.loesung();
            break;
        case Determinante: result.determinante(); break;
        case Bild: result.bild(); break;
        case Kern: result.kern(); break;
        case Inverse: result.inverse(); break;
        case Naehrungsloesung: result.naehrungsloesung(); break;
        case Pivotiere:
            *doc.protocol << "Ausgangmatrix zum Pivotieren\n";
            withMatrix(result, [&](auto& m) { doc.protocol->showOnly(m); });
            result.pivotiere(pivotRow - 1, pivotColumn - 1);
            break;
        case Eckenfindung: result.eckenfindung(); break;
        case Simplex: result.simplex(); break;
        case Multiplikation:
        case Addition:
        case Substraktion:
            withMatrix(result, [&](auto& a) { combine(number, a, *operand); });
            break;
        default: break;
        }
        doc.hasResult = true;
        return afterRun(doc, number);
    } catch (const mylongint::overflow&) {
        // The protocol keeps the steps up to the one that overflowed; the
        // result becomes empty and hasResult keeps its earlier value.
        doc.result = newDocument(doc.source->kind(), doc.protocol);
        return message(Kind::Overflow, strings::Overflow);
    } catch (const std::bad_alloc&) {
        // The working matrices did not fit (the protocol never asks for more
        // than its budget): the run ends like an overflow, the program goes on.
        return outOfMemory(doc);
    }
}

bool AlgorithmCommand::resetFits(DocumentRun& doc) {
    try {
        resetForRun(doc);
        return true;
    } catch (const std::bad_alloc&) {
        doc.protocol->clear();
        return false;
    }
}

AlgorithmCommand::Outcome AlgorithmCommand::outOfMemory(DocumentRun& doc) {
    doc.result.reset(); // first give back what the run held
    doc.result = newDocument(doc.source->kind(), doc.protocol);
    return message(Kind::OutOfMemory, strings::OutOfMemory);
}

AlgorithmCommand::Outcome AlgorithmCommand::afterRun(DocumentRun& doc, int number) {
    if (doc.result->rows() != 0) return {};
    switch (number) {
    case Loesung: return message(Kind::NoResult, strings::NoSolution);
    case Inverse: return message(Kind::NoResult, strings::NotInvertible);
    case Simplex: return message(Kind::NoResult, strings::NoOptimum);
    default: return {};
    }
}

void AlgorithmCommand::operandShape(int number, const MatrixObject& source, int& rows, int& cols) {
    if (number == Multiplikation) {
        rows = source.cols();
        cols = source.rows();
    } else {
        rows = source.rows();
        cols = source.cols();
    }
}

bool AlgorithmCommand::operandFits(int number, const MatrixObject& source,
                                   const MatrixObject& operand) {
    int r = 0, c = 0;
    operandShape(number, source, r, c);
    return operand.kind() == source.kind() && operand.rows() == r && operand.cols() == c;
}

std::string AlgorithmCommand::noOperandText(int number, const MatrixObject& source) {
    int r = 0, c = 0;
    operandShape(number, source, r, c);
    return strings::format(strings::NoOperand, r, c, numberKindName(source.kind()));
}
