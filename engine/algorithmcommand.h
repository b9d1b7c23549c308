#pragma once
#include <memory>
#include <string>

#include "matrixobject.h"
#include "protstream.h"

// What an algorithm command works on: the parts of a document window that a
// run reads and changes. The window owns them; the command never touches the
// source.
struct DocumentRun {
    MatrixObject* source = nullptr;
    protstream* protocol = nullptr; // the one the source points to
    std::unique_ptr<MatrixObject> result;
    int algorithm = 0; // number of the algorithm last started, 0 for none
    bool hasResult = false;
};

// The algorithm commands of a document window, without the window: the checks
// before a run, the reset, the call, the test of the result and the handling
// of an exact overflow. The window only shows the outcome.
class AlgorithmCommand {
public:
    enum Number {
        None = 0,
        Gauss,
        GaussJordan,
        Loesung,
        Determinante,
        Bild,
        Kern,
        Inverse,
        Naehrungsloesung,
        Pivotiere,
        Eckenfindung,
        Simplex,
        Multiplikation,
        Addition,
        Substraktion
    };
    static constexpr int count = 15;
    static const char* name(int number); // "Kein Ergebniss" for 0 and unknown numbers

    enum class Kind {
        Result,      // show the result
        NoResult,    // the run found nothing: show the message, then the protocol
        Refused,     // a check failed before anything happened: show the message only
        Overflow,    // exact arithmetic overflowed: show the message, then the protocol
        OutOfMemory, // the system had no memory for the run: likewise
        NoOperand    // two-operand command without an operand: the reset is done, nothing else
    };
    // What a run came to. The window chooses caption and box style by the
    // text's id; the command line prints the text only.
    struct Outcome {
        Kind kind = Kind::Result;
        int textId = 0;   // its string id (strings::Id), 0 for none
        std::string text; // the message as loaded and formatted, empty for none
    };

    // The check made before anything happens (Determinante, Inverse); a refusal
    // leaves the document as it was.
    static bool refuses(int number, const MatrixObject& source, Outcome& refusal);

    // Runs a one-operand command (all but 12 to 14). pivotRow and pivotColumn
    // are 1-based and used by Pivotiere only; the caller has validated them.
    static Outcome run(DocumentRun& doc, int number, int pivotRow = 0, int pivotColumn = 0);

    // Runs a two-operand command with the chosen operand, or null when the user
    // chose none. The operand must have the shape operandShape() gives and the
    // source's number type.
    static Outcome runWithOperand(DocumentRun& doc, int number, const MatrixObject* operand);

    // The shape a second operand must have: rows and columns.
    static void operandShape(int number, const MatrixObject& source, int& rows, int& cols);
    static bool operandFits(int number, const MatrixObject& source, const MatrixObject& operand);
    // The message shown when no fitting operand exists.
    static std::string noOperandText(int number, const MatrixObject& source);

    // Discards the old result, makes a fresh copy of the source on the same
    // protocol and empties the protocol.
    static void resetForRun(DocumentRun& doc);

private:
    static Outcome guarded(DocumentRun& doc, int number, int pivotRow, int pivotColumn,
                           const MatrixObject* operand);
    static Outcome afterRun(DocumentRun& doc, int number);
    // resetForRun, false when the copy of the source found no memory.
    static bool resetFits(DocumentRun& doc);
    // The empty result and the message of a run that found no memory.
    static Outcome outOfMemory(DocumentRun& doc);
};
