#pragma once
#include <string>

// The program's texts that are known by number.
namespace strings {
enum Id {
    CannotOpen = 32504,       // "Dokument kann nicht geöffnet werden."
    WriteError = 32507,       // "Dokument-Schreibfehler."
    CloseQuestion = 32509,    // format: rows, cols, number kind, file name
    ProtocolNotSaved = 32510, // "Das Protokoll konnte nicht gespeichert werden"
    Overflow = 32511,         // exact arithmetic left the 32-bit range
    NoOperand = 32512,        // format: rows, cols, number kind
    SaveSourceTitle = 32513,  // "Ausgangsmatrix Speichern"
    SaveResultTitle = 32514,  // "Ergebnis Speichern"
    ValueNotInRange = 32522,  // format: lowest, highest (long)
    OutOfMemory = 32523,      // the system had no memory for a run
    EmptyBuffer = 32600,      // paste or open buffer with nothing copied of the kind
    // Reading a table (clipboard, CSV) and pasting it.
    NoNumbers = 32601,          // "Es sind keine Zahlen vorhanden."
    TableTooLarge = 32602,      // format: rows, cols, the largest size
    FieldAt = 32603,            // format: row, col (from 1); the field's text follows
    FieldNotExact = 32604,      // after the field: too large or too many digits for a fraction
    FieldNoNumber = 32605,      // after the field: "ist keine Zahl."
    FileNotOpened = 32606,      // "Die Datei kann nicht geöffnet werden."
    FileTooLarge = 32607,       // "Die Datei ist zu groß für eine Matrix."
    PasteTooLarge = 32608,      // format: the largest size
    ClipboardNotPasted = 32609, // the reason follows on the next line
    ClipboardNotOpened = 32610, // the reason follows on the next line
    NotImported = 32611,        // the reason follows on the next line
    PrintPages = 32612,         // format: pages
    PrintNotStarted = 32613,    // "Der Druck konnte nicht gestartet werden."
    SettingsNotSaved = 32614,   // "Die Einstellungen konnten nicht gespeichert werden."
    NotAFraction = 32615,       // %1: the refused text (QString::arg)
    NotAFloat = 32616,          // %1: the refused text (QString::arg)
    // Why an algorithm command gave no result.
    DeterminantShape = 32617, // the matrix is neither n*n nor n*(n+1)
    InverseShape = 32618,     // the matrix is not square
    NoSolution = 32619,       // the system has no solution
    NotInvertible = 32625,    // the square matrix is singular
    NoOptimum = 32626,        // the simplex found no optimum
    // Message box captions.
    OhNoTitle = 32620,
    ClipboardTitle = 32621,
    SlowTitle = 32622,
    MomentTitle = 32623,
    PrintTitle = 32624,
    NonsenseTitle = 32627,
    NoResultTitle = 32628,
    HmTitle = 32629,
    // Fractions of any length.
    NumberTooLong = 32630,      // format: the largest number of digits
    LongOverflowButton = 32631, // the overflow box's button that repeats in long fractions
};

// The text of a string id; a command id gives the command's status-bar hint.
// Empty for an unknown id (and for commands without a hint).
const char* load(int id);

// printf-style formatting of a loaded text, cut to at most 255 characters as
// the message boxes take them.
std::string format(int id, ...);
} // namespace strings
