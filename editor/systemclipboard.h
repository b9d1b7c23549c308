#pragma once
#include <string>

#include "tablewriter.h"

// The desktop's clipboard, which other programs (spreadsheets, text editors)
// read and fill. The program's own copy buffers stay separate from it.
class SystemClipboard {
public:
    // Puts a block there as tab-separated text and as an HTML table.
    template <class T> static void putBlock(const matrix<T>& block) {
        const TableWriter::Options o = options();
        put(TableWriter::tsv(block, o), TableWriter::html(block, o));
    }
    static void put(const std::string& text, const std::string& html);
    // The plain text on the clipboard, UTF-8; empty when there is none.
    static std::string text();
    // Doubles are written with the decimal separator of the user's locale,
    // so that a spreadsheet in that language reads them as numbers.
    static TableWriter::Options options();
};
