#pragma once
#include <cstdint>
#include <list>
#include <memory>
#include <string>

#include "matrix.h"
#include "protobject.h"

// The protocol of one algorithm run: text lines and matrix snapshots in the
// order the algorithm wrote them. Text accumulates in a line buffer until a
// piece ends with a newline; a snapshot taken meanwhile stands before that line.
class protstream : public protobject {
public:
    protstream() = default;

    protstream& operator<<(const char* piece);
    protstream& operator<<(const std::string& piece) { return *this << piece.c_str(); }
    protstream& operator<<(std::int32_t n);
    protstream& operator<<(const matrix<reel>& m);
    protstream& operator<<(const matrix<double>& m);

    // Deletes every record; a pending unfinished line survives.
    void clear() { records_.clear(); }

    const std::list<std::unique_ptr<protobject>>& records() const { return records_; }
    const std::string& pendingLine() const { return lineBuffer_; }

    // The records one below the other, from (x, y) down.
    void draw(int x, int y, dc& d, const dcrect& clip) const override;
    // Height: the sum of the records' heights; width: the widest record.
    void measure(dc& d) override;
    // Every record in its plain-text form.
    void write(std::ostream& os) const override;
    // The records in order.
    void paginate(DruckInfo& cursor) override;
    void printPage(DruckInfo& cursor) const override;

    // A protocol that swallows everything: for matrices that have none.
    static protstream& discard();

private:
    struct DiscardTag {};
    explicit protstream(DiscardTag) : discarding_(true) {}
    void append(std::unique_ptr<protobject> r);

    std::list<std::unique_ptr<protobject>> records_;
    std::string lineBuffer_;
    bool discarding_ = false;
};
