#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "floatformat.h"
#include "matrixobject.h"
#include "protstream.h"

class QString;

// The matrix file format and the protocol text file.
//
// Exact form:    "R\tC" line, then each row as elements in stream form, each followed by a tab.
// Float form:    "FLOAT" directly followed by the same, doubles in the display format.
// Old binary:    "FLOAX R C" then R*C little-endian doubles right after the last digit (read only).
// The exact form holds integers of any length: a file all of whose fractions
// fit 32 bits opens as a document of reel, any other as one of long fractions.
// Lines end in CR LF; LF alone is accepted. The content decides the form, never the name.
class MatrixFile {
public:
    // A document read from a file, with the new protocol it writes to.
    struct Loaded {
        std::unique_ptr<protstream> protocol;
        std::unique_ptr<MatrixObject> document;
        // Refused because a number has more digits than longreelMaxDigits.
        bool numberTooLong = false;
        explicit operator bool() const { return document != nullptr; }
    };

    // Largest number of elements a file may announce (4 million: a 2000 x 2000
    // matrix, four times the largest the editor makes).
    static constexpr long long maxElements = 4'000'000;

    static Loaded read(const QString& path);
    static Loaded parse(std::string_view bytes);

    // The bytes of a matrix file for a document.
    static std::string text(const MatrixObject& doc, const FloatFormat& format);
    // Replaces the file atomically: on failure the old file is untouched.
    static bool write(const QString& path, const MatrixObject& doc, const FloatFormat& format);

    // The protocol text file: UTF-8, CR LF.
    static bool writeProtocol(const QString& path, const protstream& protocol);

    // Writes bytes atomically to a file (a device or pipe in place), or to
    // standard output for "-". False, and the old file untouched, when the
    // file is marked read-only or cannot be written completely.
    static bool writeBytes(const QString& path, const std::string& bytes);
    // The same for a text handed over in pieces: the producer passes each
    // piece to the sink and stops with false when the sink fails.
    using Sink = std::function<bool(std::string_view)>;
    using Producer = std::function<bool(const Sink&)>;
    static bool writePieces(const QString& path, const Producer& produce);
};
