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
};

// The text of a string id; a command id gives the command's status-bar hint.
// Empty for an unknown id (and for commands without a hint).
const char* load(int id);

// printf-style formatting of a loaded text, cut to at most 255 characters as
// the message boxes take them.
std::string format(int id, ...);
} // namespace strings
