#include "protstream.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <new>
#include <ostream>
#include <type_traits>

#include "dc.h"
#include "druckinfo.h"
#include "matrixfloat.h"
#include "matrixlong.h"
#include "matrixreel.h"
#include "protlayout.h"
#include "protmatrix.h"
#include "protstring.h"
#include "snapshotbudget.h"

protstream& protstream::discard() {
    static protstream sink{DiscardTag{}};
    return sink;
}

void protstream::append(std::unique_ptr<protobject> r) {
    if (discarding_) return;
    records_.push_back(std::move(r));
    ++revision_;
}

protstream& protstream::operator<<(const char* piece) {
    if (discarding_ || piece == nullptr || *piece == '\0') return *this;
    const std::size_t len = std::strlen(piece);
    lineBuffer_.append(piece, len);
    if (piece[len - 1] == '\n') {
        lineBuffer_.pop_back();
        append(std::make_unique<protstring>(std::move(lineBuffer_)));
        lineBuffer_.clear();
    }
    return *this;
}

protstream& protstream::operator<<(std::int32_t n) {
    if (!discarding_) lineBuffer_ += std::to_string(n);
    return *this;
}

protstream::~protstream() {
    records_.clear();
    snapshotbudget::give(budgetTaken_);
}

void protstream::clear() {
    ++revision_;
    pendingNote_ = StepNote{};
    records_.clear();
    pool_.clear();
    snapshotbudget::give(budgetTaken_);
    budgetTaken_ = 0;
    overBudget_ = false;
    omitted_ = 0;
    hasLatest_ = false;
    note_ = nullptr;
}

// Within the budget the entries go to the pool. Once one snapshot of the run
// has not fit, the rest go through keepAsLatest, even smaller ones, so that
// the protocol keeps one simple shape: complete up to the note, then only
// the latest snapshot.
template <class Doc, class T> void protstream::snapshot(const matrix<T>& m) {
    if (discarding_) return;
    if (!overBudget_ && snapshotInBudget<Doc>(m)) return;
    keepAsLatest<Doc>(m);
}

// The pending note, handed over to the snapshot it led to.
std::unique_ptr<StepNote> protstream::takeNote() {
    std::unique_ptr<StepNote> note;
    if (!pendingNote_.empty()) note = std::make_unique<StepNote>(std::move(pendingNote_));
    pendingNote_ = StepNote{};
    return note;
}

template <class Doc, class T> bool protstream::snapshotInBudget(const matrix<T>& m) {
    const std::size_t entries = std::size_t(m.rows()) * std::size_t(m.cols()) * sizeof(T);
    // Long fractions count the digits they hold beside their own size.
    std::size_t bytes = entries;
    if constexpr (std::is_same_v<T, longreel>)
        for (std::int32_t r = 0; r < m.rows(); ++r)
            for (std::int32_t c = 0; c < m.cols(); ++c) bytes += entryHeapBytes(m.at(r, c));
    if (!snapshotbudget::take(bytes)) return false;
    T* place = m.hasData() ? static_cast<T*>(pool_.allocate(entries)) : nullptr;
    if (place != nullptr || !m.hasData()) {
        try {
            auto record = std::make_unique<protmatrix>(std::make_unique<Doc>(m, place));
            record->setNote(takeNote());
            append(std::move(record));
            budgetTaken_ += bytes;
            return true;
        } catch (const std::bad_alloc&) {
            // Left out like any snapshot beyond the budget.
        }
    }
    snapshotbudget::give(bytes);
    return false;
}

template <class Doc, class T> void protstream::startSnapshot(const matrix<T>& m) {
    if (discarding_ || overBudget_) return;
    pendingNote_ = StepNote{};
    if (snapshotInBudget<Doc>(m)) static_cast<protmatrix&>(*records_.back()).setInTextFile(false);
}

// Beyond the budget: the previous latest snapshot is left out and its record
// moves to the end to hold m, overwritten in place when the shapes agree, so
// that a long run allocates nothing more. Memory that cannot be had at all
// only leaves out one more snapshot.
template <class Doc, class T> void protstream::keepAsLatest(const matrix<T>& m) {
    overBudget_ = true;
    ++revision_;
    if (hasLatest_) {
        noteOmission();
        records_.splice(records_.end(), records_, latest_);
        auto& record = static_cast<protmatrix&>(**latest_);
        auto* doc = dynamic_cast<Doc*>(&record.snapshot());
        if (doc != nullptr && doc->rows() == m.rows() && doc->cols() == m.cols()) {
            static_cast<matrix<T>&>(*doc) = m;
            record.setNote(takeNote());
            return;
        }
        records_.erase(latest_);
        hasLatest_ = false;
    }
    try {
        auto record = std::make_unique<protmatrix>(std::make_unique<Doc>(m));
        record->setNote(takeNote());
        append(std::move(record));
        latest_ = std::prev(records_.end());
        hasLatest_ = true;
    } catch (const std::bad_alloc&) {
        pendingNote_ = StepNote{}; // the step it explains is left out
        noteOmission();
    }
}

// The note stands where the first snapshot was left out and counts them all.
void protstream::noteOmission() {
    ++omitted_;
    const std::size_t limit = snapshotbudget::limit();
    char size[32];
    if (limit >= (std::size_t(1) << 20))
        std::snprintf(size, sizeof size, "%zu MB", limit >> 20);
    else
        std::snprintf(size, sizeof size, "%zu KB", (limit + 1023) >> 10);
    char text[256];
    std::snprintf(text, sizeof text,
                  "Protokoll gekürzt: %lld %s ausgelassen, weil der Speicher für Protokolle "
                  "(%s) nicht reicht. Die letzte Matrix steht am Ende.",
                  static_cast<long long>(omitted_),
                  omitted_ == 1 ? "Zwischenmatrix" : "Zwischenmatrizen", size);
    if (note_ != nullptr) {
        note_->text = text;
        return;
    }
    try {
        auto note = std::make_unique<protstring>(text);
        note_ = note.get();
        records_.insert(hasLatest_ ? latest_ : records_.end(), std::move(note));
    } catch (const std::bad_alloc&) {
        note_ = nullptr;
    }
}

protstream& protstream::operator<<(const matrix<reel>& m) {
    snapshot<MatrixReel>(m);
    return *this;
}

protstream& protstream::operator<<(const matrix<longreel>& m) {
    snapshot<MatrixLong>(m);
    return *this;
}

protstream& protstream::operator<<(const matrix<double>& m) {
    snapshot<MatrixFloat>(m);
    return *this;
}

void protstream::showOnly(const matrix<reel>& m) { startSnapshot<MatrixReel>(m); }
void protstream::showOnly(const matrix<longreel>& m) { startSnapshot<MatrixLong>(m); }
void protstream::showOnly(const matrix<double>& m) { startSnapshot<MatrixFloat>(m); }

void protstream::write(std::ostream& os) const {
    for (const auto& r : records_) r->write(os);
}

void protstream::draw(const ProtLayout& l, int x, int y, const bruchfonts& s, dc& d,
                      const dcrect& clip) const {
    auto part = l.parts.begin();
    for (const auto& r : records_) {
        // Every record from here on lies below the clip (or is not laid out).
        if (y > clip.bottom || part == l.parts.end()) break;
        r->draw(*part, x, y, s, d, clip);
        y += part->height;
        ++part;
    }
}

namespace {

// One part of l for each record, filled by lay (measuring or laying out);
// the whole is as high as the parts together and as wide as the widest.
template <class Lay>
void layOutParts(ProtLayout& l, const std::list<std::unique_ptr<protobject>>& records, Lay lay) {
    l.height = 0;
    l.width = 0;
    l.parts.assign(records.size(), ProtLayout{});
    auto part = l.parts.begin();
    for (const auto& r : records) {
        lay(*r, *part);
        l.height += part->height;
        l.width = std::max(l.width, part->width);
        ++part;
    }
}

} // namespace

void protstream::measure(ProtLayout& l, const bruchfonts& s, dc& d) const {
    layOutParts(l, records_, [&](const protobject& r, ProtLayout& part) { r.measure(part, s, d); });
}

void protstream::layOut(ProtLayout& l, const bruchfonts& s, dc& d) const {
    layOutParts(l, records_, [&](const protobject& r, ProtLayout& part) { r.layOut(part, s, d); });
}

void protstream::measureBand(ProtLayout& l, const bruchfonts& s, dc& d, int top, int bottom) const {
    int y = 0;
    auto part = l.parts.begin();
    for (const auto& r : records_) {
        if (y > bottom || part == l.parts.end()) break;
        if (y + part->height >= top) {
            r->measureBand(*part, s, d, top - y, bottom - y);
            l.width = std::max(l.width, part->width);
        }
        y += part->height;
        ++part;
    }
}

bool protstream::measureMore(ProtLayout& l, const bruchfonts& s, dc& d, long& cells) const {
    auto part = l.parts.begin();
    for (const auto& r : records_) {
        if (part == l.parts.end()) break;
        if (cells <= 0) return true;
        const bool unfinished = r->measureMore(*part, s, d, cells);
        l.width = std::max(l.width, part->width);
        if (unfinished) return true;
        ++part;
    }
    return false;
}

void protstream::paginate(DruckInfo& cursor) const {
    for (const auto& r : records_) r->paginate(cursor);
}

void protstream::printPage(DruckInfo& cursor) const {
    for (const auto& r : records_) {
        if (cursor.item == -1) break; // the page is full
        r->printPage(cursor);
    }
}
