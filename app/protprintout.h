#pragma once
#include <QString>

#include <functional>

#include "druckinfo.h"

class QPrinter;
class bruchfonts;
class dc;
class protobject;

// One print job of a document window: cuts its material (a matrix record, or
// the whole protocol) into pages through the print cursor and prints them.
// The print forms live in the cursor; the material and its views' layouts
// stay as they are.
class ProtPrintout {
public:
    // material: not owned, alive as long as the printout.
    ProtPrintout(QString title, const protobject& material);

    // Pagination on the printer's context d with the settings s (which stay
    // alive while pages are printed), for a page of the given size in device
    // units and the page setup's paper and margins.
    void setPrintParameters(dc& d, const bruchfonts& s, dcsize pageSize, const PageGeometry& page);
    bool hasPage(int page) const { return page >= 1 && page <= cursor_.pageCount; }
    // Draws page `page` (1-based) on the context given to setPrintParameters.
    void printPage(int page);

    // What whoever runs a job decides while it runs. Either may be empty.
    struct Hooks {
        // Once the pages are counted and before anything goes to the
        // printer: whether to print these many pages; false prints nothing.
        std::function<bool(int pages)> confirm;
        // After each page: how many of the total are done; false stops the
        // job there.
        std::function<bool(int done, int total)> progress;
    };
    enum class Outcome { Printed, Cancelled, Failed };

    // The whole job on printer: the full paper as the drawing area, a copy of
    // the settings scaled to the printer's resolution, pagination
    // with the printer's page layout, and the pages the print dialog asked
    // for (all by default), nothing drawn outside the margins. Failed when
    // the printer could not be opened or the job not finished.
    Outcome print(QPrinter& printer, const Hooks& hooks = {});

    const QString& title() const { return title_; }
    const DruckInfo& cursor() const { return cursor_; }

private:
    QString title_;
    const protobject& material_;
    DruckInfo cursor_;
};
