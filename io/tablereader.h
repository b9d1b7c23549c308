#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "matrix.h"

class MatrixObject;

// Reads a block of numbers from spreadsheet text: the system clipboard and
// CSV files. Rows are lines (LF or CR LF); fields are separated by tabs when
// the text holds a tab, else by semicolons (one column when it has neither).
// Fields may be quoted as in CSV. Shorter rows are filled up with zeros, an
// empty field is 0.
//
// A field is an integer ("-7"), a fraction ("3/4", "-7/2"), a mixed number
// ("-1 1/2"), or a decimal with "," or "." as decimal separator and an
// optional exponent ("0,5", "-2.25", "1,5E3"). The fraction slash U+2044,
// the division slash U+2215, the minus sign U+2212 and non-breaking blanks
// are taken like their plain forms. Nothing else is a number: thousands
// separators, units and words are refused.
//
// Exact reading takes decimals exactly (0,1 is 1/10) and refuses what does
// not fit the fractions of its kind. On failure nothing is returned and error
// says in German what and where.
class TableReader {
public:
    // Largest number of rows and of columns, as for a new matrix.
    static constexpr int maxSize = 999;

    // The fields, row by row, not yet read as numbers; rows may differ in length.
    using Fields = std::vector<std::vector<std::string>>;
    static Fields split(std::string_view text);

    enum class Status { Ok, NotANumber, NotExact };
    static Status exactValue(std::string_view field, reel& out);
    static Status floatValue(std::string_view field, double& out);
    // Exact, with integers of up to longreelMaxDigits digits.
    static Status longValue(std::string_view field, longreel& out);

    // Reads the text as numbers of out's element type.
    static bool read(std::string_view text, matrix<reel>& out, std::string& error);
    static bool read(std::string_view text, matrix<longreel>& out, std::string& error);
    static bool read(std::string_view text, matrix<double>& out, std::string& error);

    // A new document: exact when every value is, long fractions when some
    // integer or fraction does not fit 32 bits (a decimal too fine for 32
    // bits makes it one of doubles), else of doubles. Null with
    // error set when the text is no table of numbers.
    static std::unique_ptr<MatrixObject> readDocument(std::string_view text, protstream* p,
                                                      std::string& error);
};
