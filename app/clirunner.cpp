#include "clirunner.h"

#include <QString>

#include <charconv>
#include <ostream>

#include "algorithmcommand.h"
#include "bruchfonts.h"
#include "commandtable.h"
#include "documentcopy.h"
#include "longreeltext.h"
#include "matrixfile.h"
#include "stringtable.h"

namespace {

bool toInt(const std::string& s, int& v) {
    const char* end = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data(), end, v);
    return ec == std::errc() && p == end;
}

struct Options {
    int algorithm = 0;
    std::string file, operand, protocolOut, resultOut = "-";
    bool pivotGiven = false, gleitkomma = false, langzahlen = false;
    int pivotRow = 0, pivotColumn = 0;
    FloatFormat format = settings().floatFormat(); // as loaded at start
};

// Fills the options or returns a German message for the usage error.
std::string parse(const std::vector<std::string>& args, Options& o) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        std::string v;
        if (a == "--pivot") {
            if (!value(v)) return "--pivot braucht ZEILE,SPALTE";
            const auto comma = v.find(',');
            if (comma == std::string::npos || !toInt(v.substr(0, comma), o.pivotRow) ||
                !toInt(v.substr(comma + 1), o.pivotColumn))
                return "--pivot braucht ZEILE,SPALTE, zum Beispiel 2,3";
            o.pivotGiven = true;
        } else if (a == "--operand") {
            if (!value(o.operand)) return "--operand braucht eine Datei";
        } else if (a == "--gleitkomma") {
            o.gleitkomma = true;
        } else if (a == "--langzahlen") {
            o.langzahlen = true;
        } else if (a == "--protokoll") {
            if (!value(o.protocolOut)) return "--protokoll braucht eine Datei oder -";
        } else if (a == "--ergebnis") {
            if (!value(o.resultOut)) return "--ergebnis braucht eine Datei oder -";
        } else if (a == "--fformat") {
            if (!value(v) || !toInt(v, o.format.fformat) || o.format.fformat < 0 ||
                o.format.fformat > 2)
                return "--fformat braucht 0, 1 oder 2";
        } else if (a == "--precision") {
            if (!value(v) || !toInt(v, o.format.precision) || o.format.precision < 0 ||
                o.format.precision > 99)
                return "--precision braucht eine Zahl von 0 bis 99";
        } else if (a == "--showpoint") {
            o.format.showpoint = true;
        } else if (a == "--showpos") {
            o.format.showpos = true;
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            return "Unbekannte Option: " + a;
        } else {
            positional.push_back(a);
        }
    }
    if (o.gleitkomma && o.langzahlen) return "--gleitkomma und --langzahlen schließen einander aus";
    if (positional.size() != 2) return "ALGORITHMUS und DATEI werden gebraucht";
    const cmd::Command* command = cmd::findCliName(positional[0]);
    if (!command) return "Unbekannter Algorithmus: " + positional[0];
    o.algorithm = command->algorithm;
    o.file = positional[1];
    if (o.algorithm == AlgorithmCommand::Pivotiere && !o.pivotGiven)
        return "pivotiere braucht --pivot ZEILE,SPALTE";
    if (cmd::isTwoOperand(o.algorithm) && o.operand.empty())
        return positional[0] + " braucht --operand DATEI2";
    return {};
}

QString path(const std::string& s) { return QString::fromLocal8Bit(s.c_str()); }

std::string openFailure(const MatrixFile::Loaded& loaded) {
    std::string text = strings::load(strings::CannotOpen);
    if (loaded.numberTooLong)
        text += ' ' + strings::format(strings::NumberTooLong, int(longreelMaxDigits));
    return text;
}

} // namespace

const char* CliRunner::usage() {
    return "Aufruf: lineon-cli ALGORITHMUS DATEI [Optionen]\n"
           "Führt einen Algorithmus auf der Matrix in DATEI aus und schreibt Ergebnis und "
           "Protokoll.\n"
           "\n"
           "ALGORITHMUS: gauss | gauss-jordan | loesung | determinante | bild | kern | inverse |\n"
           "             naehrungsloesung | pivotiere | eckenfindung | simplex |\n"
           "             multiplikation | addition | substraktion\n"
           "\n"
           "  --pivot Z,S        Zeile und Spalte ab 1 (nötig für pivotiere)\n"
           "  --operand DATEI2   zweiter Operand (nötig für multiplikation, addition,\n"
           "                     substraktion; gleicher Zahlentyp, passende Größe)\n"
           "  --gleitkomma       eine Bruchzahl-Matrix zuerst in Gleitkommazahlen umwandeln\n"
           "  --langzahlen       in beliebig langen Bruchzahlen rechnen (ohne Überlauf;\n"
           "                     Gleitkommazahlen werden zum kürzesten Dezimalbruch)\n"
           "  --protokoll AUS    das Protokoll dorthin schreiben (\"-\" = Standardausgabe)\n"
           "  --ergebnis AUS     die Ergebnismatrix dorthin schreiben (\"-\" = Standardausgabe,\n"
           "                     so auch ohne Angabe)\n"
           "  --fformat 0|1|2    Gleitkommaformat: 0 wissenschaftlich, 1 fest, 2 allgemein\n"
           "  --precision N      Stellen, --showpoint immer mit Punkt, --showpos immer mit +\n"
           "  --help             diese Hilfe\n"
           "\n"
           "Eine DATEI mit Zahlen über 32 Bit wird ohne Angabe in langen Bruchzahlen\n"
           "gerechnet.\n"
           "\n"
           "Rückgabewert: 0 Ergebnis geschrieben; 1 kein Ergebnis oder Form abgelehnt;\n"
           "2 Überlauf der Bruchrechnung (ohne --langzahlen); 3 nicht genug Speicher; 64 falscher "
           "Aufruf;\n"
           "66 Datei nicht lesbar; "
           "73 Ausgabe nicht schreibbar.\n";
}

int CliRunner::run(const std::vector<std::string>& args, std::ostream& err) {
    for (const auto& a : args)
        if (a == "--help" || a == "-h") {
            err << usage();
            return Ok;
        }
    Options o;
    if (const std::string problem = parse(args, o); !problem.empty()) {
        err << "lineon-cli: " << problem << "\n\n" << usage();
        return Usage;
    }

    MatrixFile::Loaded loaded = MatrixFile::read(path(o.file));
    if (!loaded) {
        err << o.file << ": " << openFailure(loaded) << '\n';
        return CannotRead;
    }
    DocumentRun doc;
    // Without --protokoll no step is read: the run writes to the discarding
    // protocol, so long fractions may take the quicker ways to the same result.
    doc.protocol = o.protocolOut.empty() ? &protstream::discard() : loaded.protocol.get();
    std::unique_ptr<MatrixObject> source = std::move(loaded.document);
    if (o.gleitkomma) source = floatCopy(*source, doc.protocol);
    if (o.langzahlen) source = longCopy(*source, doc.protocol);
    doc.source = source.get();

    std::unique_ptr<MatrixObject> operand;
    if (cmd::isTwoOperand(o.algorithm)) {
        MatrixFile::Loaded second = MatrixFile::read(path(o.operand));
        if (!second) {
            err << o.operand << ": " << openFailure(second) << '\n';
            return CannotRead;
        }
        operand = std::move(second.document);
        if (o.gleitkomma) operand = floatCopy(*operand, second.protocol.get());
        // Exact fractions of both lengths meet in long fractions.
        if (o.langzahlen ||
            (source->kind() == NumberKind::Long && operand->kind() == NumberKind::Exact))
            operand = longCopy(*operand, second.protocol.get());
        if (operand->kind() == NumberKind::Long && source->kind() == NumberKind::Exact) {
            source = longCopy(*source, doc.protocol);
            doc.source = source.get();
        }
        operand = copyDocument(*operand, nullptr); // it writes to no protocol of its own
    }

    if (o.algorithm == AlgorithmCommand::Pivotiere) {
        // The same ranges the pivot dialog enforces.
        const int rows = source->rows(), cols = source->cols();
        if (o.pivotRow < 1 || o.pivotRow > rows || o.pivotColumn < 1 || o.pivotColumn > cols) {
            err << "lineon-cli: --pivot: Value is not in the range 1 to "
                << (o.pivotRow < 1 || o.pivotRow > rows ? rows : cols) << ".\n";
            return Usage;
        }
    }

    AlgorithmCommand::Outcome outcome;
    if (cmd::isTwoOperand(o.algorithm)) {
        if (!AlgorithmCommand::operandFits(o.algorithm, *source, *operand)) {
            outcome = {AlgorithmCommand::Kind::Refused, strings::NoOperand,
                       AlgorithmCommand::noOperandText(o.algorithm, *source)};
        } else {
            outcome = AlgorithmCommand::runWithOperand(doc, o.algorithm, operand.get());
        }
    } else {
        outcome = AlgorithmCommand::run(doc, o.algorithm, o.pivotRow, o.pivotColumn);
    }
    if (outcome.kind == AlgorithmCommand::Kind::Refused)
        doc.result = newDocument(source->kind(), doc.protocol);

    int status = Ok;
    switch (outcome.kind) {
    case AlgorithmCommand::Kind::Overflow: status = Overflow; break;
    case AlgorithmCommand::Kind::OutOfMemory: status = OutOfMemory; break;
    case AlgorithmCommand::Kind::Refused:
    case AlgorithmCommand::Kind::NoResult:
    case AlgorithmCommand::Kind::NoOperand: status = NoResult; break;
    case AlgorithmCommand::Kind::Result:
        if (doc.result->rows() * doc.result->cols() == 0) {
            status = NoResult;
            outcome.text = AlgorithmCommand::name(AlgorithmCommand::None);
        }
        break;
    }
    if (!outcome.text.empty()) err << outcome.text << '\n';

    if (!o.protocolOut.empty() && !MatrixFile::writeProtocol(path(o.protocolOut), *doc.protocol)) {
        err << o.protocolOut << ": " << strings::load(strings::ProtocolNotSaved) << '\n';
        return CannotWrite;
    }
    if (!MatrixFile::write(path(o.resultOut), *doc.result, o.format)) {
        err << o.resultOut << ": " << strings::load(strings::WriteError) << '\n';
        return CannotWrite;
    }
    return status;
}
