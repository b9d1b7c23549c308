// One algorithm command run on a copy of a document, with its own protocol,
// as the document window runs it.
#pragma once
#include <memory>
#include <sstream>
#include <string>

#include "algorithmcommand.h"
#include "documentcopy.h"
#include "protstream.h"

struct CommandRun {
    protstream protocol;
    std::unique_ptr<MatrixObject> source;
    DocumentRun doc;
    AlgorithmCommand::Outcome outcome;

    // Without steps: on the protocol that discards them.
    CommandRun(const MatrixObject& from, int number, const MatrixObject* operand, int pr, int pc,
               bool withSteps = true)
        : source(copyDocument(from, &protocol)) {
        doc.source = source.get();
        doc.protocol = withSteps ? &protocol : &protstream::discard();
        outcome = cmd(number, operand, pr, pc);
    }
    AlgorithmCommand::Outcome cmd(int number, const MatrixObject* operand, int pr, int pc) {
        if (number >= AlgorithmCommand::Multiplikation)
            return AlgorithmCommand::runWithOperand(doc, number, operand);
        return AlgorithmCommand::run(doc, number, pr, pc);
    }
    std::string result() const {
        std::ostringstream os;
        if (doc.result) doc.result->write(os);
        return os.str();
    }
};
