#include "matrixfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "longreeltext.h"
#include "matrixfloat.h"
#include "matrixlong.h"
#include "matrixreel.h"

namespace {

std::string withCrLf(const std::string& s) {
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (char ch : s) {
        if (ch == '\n') out += '\r';
        out += ch;
    }
    return out;
}

// Both counts present, followed by more input, and within the limits.
bool readCounts(std::istream& is, int& rows, int& cols) {
    is >> rows >> cols;
    if (is.fail() || is.eof()) return false;
    return rows >= 1 && cols >= 1 && (long long)rows * cols <= MatrixFile::maxElements;
}

double littleEndianDouble(const char* p) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = bits << 8 | static_cast<unsigned char>(p[i]);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

std::size_t longestDigitRun(std::string_view bytes) {
    std::size_t longest = 0, run = 0;
    for (char ch : bytes) {
        run = ch >= '0' && ch <= '9' ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

bool fitsReel(const matrix<longreel>& m) {
    for (int r = 0; r < m.rows(); ++r)
        for (int c = 0; c < m.cols(); ++c)
            if (!m.at(r, c).fitsReel()) return false;
    return true;
}

} // namespace

MatrixFile::Loaded MatrixFile::parse(std::string_view bytes) {
    Loaded out;
    if (bytes.size() < 5) return out;
    std::istringstream is{std::string(bytes)};
    const std::string_view head = bytes.substr(0, 5);
    int rows = 0, cols = 0;
    auto protocol = std::make_unique<protstream>();
    if (head == "FLOAT" || head == "FLOAX") {
        is.seekg(5);
        if (!readCounts(is, rows, cols)) return out;
        auto doc = std::make_unique<MatrixFloat>(rows, cols, protocol.get());
        if (head == "FLOAT") {
            doc->read(is);
        } else {
            // The binary block starts right after the last digit of the column count.
            const auto start = static_cast<std::size_t>(is.tellg());
            const std::size_t need = std::size_t(rows) * std::size_t(cols) * 8;
            if (start > bytes.size() || bytes.size() - start < need) return out;
            const char* p = bytes.data() + start;
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < cols; ++c, p += 8) {
                    // Infinities and NaNs are no numbers of this program (no
                    // algorithm or text form handles them): they read as 0 like
                    // any other malformed element.
                    const double v = littleEndianDouble(p);
                    doc->at(r, c) = std::isfinite(v) ? v : 0.0;
                }
        }
        out.document = std::move(doc);
    } else {
        if (!readCounts(is, rows, cols)) return out;
        const std::size_t digits = longestDigitRun(bytes);
        if (digits > longreelMaxDigits) {
            out.numberTooLong = true;
            return out;
        }
        // Integers of at most 9 digits, with the carry of a mixed number into
        // its whole part, stay below 2^31: reel holds every value.
        if (digits <= 9) {
            auto doc = std::make_unique<MatrixReel>(rows, cols, protocol.get());
            doc->read(is);
            out.document = std::move(doc);
            out.protocol = std::move(protocol);
            return out;
        }
        // Read with integers of any length, so that no number is lost;
        // fractions that all fit 32 bits make the document they always made.
        auto doc = std::make_unique<MatrixLong>(rows, cols, protocol.get());
        doc->read(is);
        if (fitsReel(*doc))
            out.document = std::make_unique<MatrixReel>(MatrixReel::converted<MatrixReel>(
                *doc, protocol.get(), [](const longreel& x) { return x.toReel(); }));
        else
            out.document = std::move(doc);
    }
    out.protocol = std::move(protocol);
    return out;
}

MatrixFile::Loaded MatrixFile::read(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    // Refuse what could never be a matrix file before reading it all in.
    constexpr qint64 largest = maxElements * 64 + 64;
    if (f.size() > largest) return {};
    const QByteArray bytes = f.readAll();
    return parse(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

std::string MatrixFile::text(const MatrixObject& doc, const FloatFormat& format) {
    std::ostringstream os;
    if (doc.kind() == NumberKind::Float) {
        format.apply(os);
        os << "FLOAT";
    }
    os << doc.rows() << '\t' << doc.cols() << '\n';
    doc.write(os);
    return withCrLf(os.str());
}

bool MatrixFile::writePieces(const QString& path, const Producer& produce) {
    if (path == QLatin1String("-")) {
        return produce([](std::string_view bytes) {
                   return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
               }) &&
               std::fflush(stdout) == 0;
    }
    const QFileInfo target(path);
    // A file marked read-only stays as it is, also for an administrator, whom
    // the system would let replace it.
    if (target.isFile() &&
        !(target.permissions() &
          (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther)))
        return false;
    auto into = [](QFileDevice& f) {
        return [&f](std::string_view bytes) {
            return f.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
        };
    };
    // A device or pipe is written in place: replacing it by renaming a new
    // file over it would destroy the device (/dev/null, /dev/full).
    if (target.exists() && !target.isFile() && !target.isDir()) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && produce(into(f));
    }
    // Unbuffered, so that a short write on a full device shows here: through
    // the buffer, commit() would report success for a cut-off file and put
    // it in place of the old one.
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (!produce(into(f))) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool MatrixFile::writeBytes(const QString& path, const std::string& bytes) {
    return writePieces(path, [&bytes](const Sink& put) { return put(bytes); });
}

bool MatrixFile::write(const QString& path, const MatrixObject& doc, const FloatFormat& format) {
    return writeBytes(path, text(doc, format));
}

// Record by record, so that a long protocol never stands in memory as one
// text beside its records.
bool MatrixFile::writeProtocol(const QString& path, const protstream& protocol) {
    return writePieces(path, [&protocol](const Sink& put) {
        std::ostringstream os;
        for (const auto& record : protocol.records()) {
            os.str(std::string());
            record->write(os);
            if (!put(withCrLf(os.str()))) return false;
        }
        return true;
    });
}
