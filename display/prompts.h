#pragma once
#include <QString>
#include <QStringList>

#include <functional>

#include "messagestyle.h"

class QFont;
class QPrinter;
class QWidget;

// The file-name record of the open and save dialogs.
struct FileNameRecord {
    QString filter; // "Text(*.txt)|*.txt|Alle Dateien(*.*)|*.*": pairs of caption and pattern
    QString defaultExtension; // without the dot
    QString fileName;         // full path, or an untitled name
    int filterIndex = 0;
    bool mustExist = true; // the file and its folder must exist (open)
};

// Every message box and common dialog of the program (file, font, print and
// page setup dialogs) goes through here, so
// that tests can answer them: the real one shows Qt dialogs, the scripted one
// in the tests records what was shown and answers as told.
class prompts {
public:
    enum Answer { Ok, Cancel, Yes, No };

    virtual ~prompts() = default;
    virtual Answer message(QWidget* parent, const QString& text, const QString& caption,
                           MessageStyle style) = 0;
    // True when the user chose a file; the record then holds it.
    virtual bool openFile(QWidget* parent, FileNameRecord& record, const QString& title) = 0;
    virtual bool saveFile(QWidget* parent, FileNameRecord& record, const QString& title) = 0;
    // Shows the help topic with the given context number (0: the contents).
    virtual void help(QWidget* parent, int context) = 0;
    // The font dialog, starting from font; true when the user chose one,
    // which font then holds.
    virtual bool chooseFont(QWidget* parent, QFont& font) = 0;
    // The print dialog for printer (printer, file, pages); true when the user
    // chose to print, with printer set up as chosen.
    virtual bool printDialog(QWidget* parent, QPrinter& printer) = 0;
    // The page setup (paper and margins) of printer; true when accepted.
    virtual bool pageSetup(QWidget* parent, QPrinter& printer) = 0;

    // The filters of a file-name record as the file dialog shows them, one
    // per caption and pattern pair.
    static QStringList nameFilters(const QString& filter);

    // Who shows help for the real prompts: the application's help window.
    static void setHelpHandler(std::function<void(QWidget*, int)> handler);

    // The prompts in use; the real ones unless a test installed others.
    static prompts& current();
    // Installs p (not owned) until reset with nullptr.
    static void install(prompts* p);
};
