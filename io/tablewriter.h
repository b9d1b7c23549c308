#pragma once
#include <string>

#include "matrix.h"

// A block of numbers as spreadsheets and text editors take it: tab-separated
// text for the clipboard, semicolon-separated CSV for files, and an HTML
// table. Every value is written so that it reads back exactly:
//   - integers as plain numbers ("7", "-3");
//   - other fractions with the fraction slash U+2044 and the whole part apart
//     ("3⁄4", "-1 1⁄2"), a text no spreadsheet turns into a date or a
//     rounded number;
//   - doubles in their shortest form that reads back to the same bits, with
//     "." or, when decimalComma is set, "," as the decimal separator.
class TableWriter {
public:
    struct Options {
        bool decimalComma = false;
    };

    static std::string exactText(const reel& x);
    static std::string exactText(const longreel& x);
    static std::string floatText(double v, const Options& o);

    // For matrices of reel, longreel and double.
    // Fields separated by tabs, each row ending in "\n".
    template <class T> static std::string tsv(const matrix<T>& m, const Options& o);
    // Fields separated by ";", each row ending in CR LF.
    template <class T> static std::string csv(const matrix<T>& m, const Options& o);
    // A complete HTML document holding one table; numbers carry their value
    // in an sdval attribute, which LibreOffice takes whatever its locale.
    template <class T> static std::string html(const matrix<T>& m, const Options& o);
};
