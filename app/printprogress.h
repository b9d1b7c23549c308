#pragma once
#include <memory>

class QProgressDialog;
class QWidget;

// The progress of a long print job: "Drucke Seite 3 von 120" and a button
// "Abbrechen". Jobs of a few pages go without it. The dialog is window-modal
// and events are let through between pages, so the program stays responsive
// while nothing of it can start another command. The documents are not
// repainted meanwhile: until the job ends the protocol's records hold the
// printer's measurements.
class PrintProgress {
public:
    // documents: the area of the document windows.
    PrintProgress(QWidget* parent, QWidget* documents);
    ~PrintProgress();
    PrintProgress(const PrintProgress&) = delete;
    PrintProgress& operator=(const PrintProgress&) = delete;

    // After done of total pages: false once the user cancelled.
    bool printed(int done, int total);

    // Jobs of more pages show the dialog.
    static constexpr int fewPages = 10;

private:
    QWidget* parent_;
    QWidget* documents_;
    std::unique_ptr<QProgressDialog> dialog_;
};
