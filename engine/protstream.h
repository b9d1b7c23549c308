#pragma once
#include <cstdint>
#include <list>
#include <memory>
#include <string>

#include "matrix.h"
#include "protobject.h"
#include "snapshotpool.h"
#include "stepnote.h"

class protstring;

// The protocol of one algorithm run: text lines and matrix snapshots in the
// order the algorithm wrote them. Text accumulates in a line buffer until a
// piece ends with a newline; a snapshot taken meanwhile stands before that line.
//
// Snapshots take their memory from the snapshot budget (snapshotbudget.h).
// Once a snapshot does not fit, the run's protocol keeps every text line, the
// snapshots it already holds and always the latest snapshot, which moves to
// the end as each newer one replaces it; where the first snapshot was left
// out a line says how many were left out and why. So the protocol still ends
// with the matrix as it stood last, and a run never exhausts memory through
// its protocol. Runs whose snapshots fit are recorded completely.
class protstream : public protobject {
public:
    protstream() = default;
    ~protstream() override;

    protstream& operator<<(const char* piece);
    protstream& operator<<(const std::string& piece) { return *this << piece.c_str(); }
    protstream& operator<<(std::int32_t n);
    protstream& operator<<(const matrix<reel>& m);
    protstream& operator<<(const matrix<longreel>& m);
    protstream& operator<<(const matrix<double>& m);

    // A snapshot that the view, the exports and the printout show but the
    // text file leaves out: the matrix a step starts from where the text
    // names it without a snapshot. Left out when it does not fit the budget.
    void showOnly(const matrix<reel>& m);
    void showOnly(const matrix<longreel>& m);
    void showOnly(const matrix<double>& m);

    // What the step under way did, for the next snapshot to keep; null when
    // the steps are discarded, so that such runs record nothing.
    StepNote* note() { return discarding_ ? nullptr : &pendingNote_; }

    // Deletes every record and the pending note; a pending unfinished line
    // survives.
    void clear();

    const std::list<std::unique_ptr<protobject>>& records() const { return records_; }
    const std::string& pendingLine() const { return lineBuffer_; }

    // The layout's parts hold one layout per record.
    // The records one below the other, from (x, y) down.
    void draw(const ProtLayout& l, int x, int y, const bruchfonts& s, dc& d,
              const dcrect& clip) const override;
    // Height: the sum of the records' heights; width: the widest record.
    void measure(ProtLayout& l, const bruchfonts& s, dc& d) const override;
    // In stages: every record laid out, then measured where the band meets
    // it, or in order from the top.
    void layOut(ProtLayout& l, const bruchfonts& s, dc& d) const override;
    void measureBand(ProtLayout& l, const bruchfonts& s, dc& d, int top, int bottom) const override;
    bool measureMore(ProtLayout& l, const bruchfonts& s, dc& d, long& cells) const override;
    // Counts every change of the records: a line or snapshot added, a
    // snapshot replaced, the note rewritten, everything cleared.
    std::uint64_t revision() const override { return revision_; }
    // Every record in its plain-text form.
    void write(std::ostream& os) const override;
    // The records in order.
    void paginate(DruckInfo& cursor) const override;
    void printPage(DruckInfo& cursor) const override;

    // A protocol that swallows everything: for matrices that have none.
    static protstream& discard();
    // Whether this is that protocol: no step is ever read.
    bool discards() const { return discarding_; }

private:
    struct DiscardTag {};
    explicit protstream(DiscardTag) : discarding_(true) {}
    void append(std::unique_ptr<protobject> r);
    template <class Doc, class T> void snapshot(const matrix<T>& m);
    template <class Doc, class T> bool snapshotInBudget(const matrix<T>& m);
    template <class Doc, class T> void startSnapshot(const matrix<T>& m);
    std::unique_ptr<StepNote> takeNote();
    template <class Doc, class T> void keepAsLatest(const matrix<T>& m);
    void noteOmission();

    using recordList = std::list<std::unique_ptr<protobject>>;
    // The pool outlives the records whose entries it holds.
    snapshotpool pool_;
    recordList records_;
    std::string lineBuffer_;
    StepNote pendingNote_;
    bool discarding_ = false;
    std::uint64_t revision_ = 0;

    std::size_t budgetTaken_ = 0; // bytes of the snapshot budget held
    bool overBudget_ = false;     // a snapshot of this run did not fit
    std::int64_t omitted_ = 0;
    recordList::iterator latest_; // the latest snapshot once over budget
    bool hasLatest_ = false;
    protstring* note_ = nullptr; // the line that counts the omissions
};
