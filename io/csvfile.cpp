#include "csvfile.h"

#include <QFile>
#include <QString>

#include "stringtable.h"
#include "tablereader.h"
#include "visitkind.h"

MatrixFile::Loaded CsvFile::read(const QString& path, std::string& error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        error = strings::load(strings::FileNotOpened);
        return {};
    }
    // Larger than any table of 999 x 999 numbers could reasonably be.
    if (f.size() > 64 * 1024 * 1024) {
        error = strings::load(strings::FileTooLarge);
        return {};
    }
    const QByteArray bytes = f.readAll();
    MatrixFile::Loaded out;
    out.protocol = std::make_unique<protstream>();
    out.document = TableReader::readDocument(
        std::string_view(bytes.constData(), std::size_t(bytes.size())), out.protocol.get(), error);
    if (!out.document) out.protocol.reset();
    return out;
}

std::string CsvFile::text(const MatrixObject& doc, const TableWriter::Options& o) {
    return withMatrix(doc, [&](const auto& m) { return TableWriter::csv(m, o); });
}

bool CsvFile::write(const QString& path, const MatrixObject& doc, const TableWriter::Options& o) {
    return MatrixFile::writeBytes(path, text(doc, o));
}
