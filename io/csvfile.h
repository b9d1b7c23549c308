#pragma once
#include <string>

#include "matrixfile.h"
#include "tablewriter.h"

class QString;

// A matrix as a CSV file for spreadsheets: fields separated by ";", lines
// ending in CR LF, UTF-8. Written and read with the rules of the desktop
// clipboard (TableWriter, TableReader), so what a spreadsheet shows is what
// the program reads back.
class CsvFile {
public:
    // The document the file holds (exact when every value is); nothing, with
    // a German reason in error, when it cannot be read or holds no table.
    static MatrixFile::Loaded read(const QString& path, std::string& error);
    static std::string text(const MatrixObject& doc, const TableWriter::Options& o);
    // Replaces the file atomically.
    static bool write(const QString& path, const MatrixObject& doc, const TableWriter::Options& o);
};
