#pragma once
#include <vector>

#include "dc.h"
#include "pagegeometry.h"
#include "printform.h"
#include "seitenmerkmale.h"

class bruchfonts;

// The print cursor: the records of a printout lay themselves out through it,
// in the printer's device units. Pagination registers each record with
// addItem, keeps its print form and collects the page starts; printing a
// page replays every record, and fits() picks the lines that belong on that
// page.
//
// Every page begins at y = top and ends at printHeight, so the space left
// free at the bottom of a page is the bottom margin plus the top margin.
class DruckInfo {
public:
    int pageBreaks = 0; // page starts added after the first
    int item = 0;       // record being laid out or printed; -1 once the page is full
    int y = 0;
    int startItem = 0; // while printing: where the page begins
    int startLine = 0;
    int printWidth = 0;  // page width minus left and right margin
    int printHeight = 0; // page height minus top and bottom margin
    int left = 0;        // x of every printed line
    int top = 0;         // y at which every page begins
    int pageCount = 0;
    dc* device = nullptr;                   // the printer's context
    const bruchfonts* settings = nullptr;   // the settings scaled to the printer
    std::vector<SeitenMerkmale> pageStarts; // page p begins at pageStarts[p - 1]

    // Margins and printable size from the page setup, for a page of the given
    // size in device units. Products before divisions, divisions truncate.
    void setGeometry(dcsize pageSize, const PageGeometry& page);

    // Forgets earlier page starts and print forms and adds the first page
    // start, (0, 0).
    void startPagination();
    void reset();
    // Registers a record of that many print lines, each lineHeight high, cut
    // as its print form says, and adds a page start wherever the record's
    // lines run over a page end; a record may span any number of pages. A
    // record without lines fits.
    void addItem(int lines, int lineHeight, PrintForm form);
    // While printing: the print form of the current record.
    const PrintForm& form() const { return forms_[std::size_t(item)]; }
    // pageCount after the last addItem.
    void finishPagination() { pageCount = pageBreaks + 1; }

    // Prepares printing page p (1-based); false when there is no such page.
    bool beginPage(int page);
    bool onPage() const { return item >= startItem; }
    // Whether print line `line` (from 1) of the current record belongs on the
    // page being printed. Once one does not fit, nothing more goes on it.
    bool fits(int line, int lineHeight);
    void advance(int h) { y += h; }
    void nextItem() {
        if (item != -1) ++item;
    }
    // The first line of the current record not printed on an earlier page.
    int firstLine() const { return item == startItem ? startLine + 1 : 1; }

private:
    std::vector<PrintForm> forms_; // one per record, in the order of addItem
};
