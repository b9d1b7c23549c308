#include "protstream.h"

#include <cstring>
#include <ostream>

#include "dc.h"
#include "druckinfo.h"
#include "matrixfloat.h"
#include "matrixreel.h"
#include "protmatrix.h"
#include "protstring.h"

protstream& protstream::discard() {
    static protstream sink{DiscardTag{}};
    return sink;
}

void protstream::append(std::unique_ptr<protobject> r) {
    if (!discarding_) records_.push_back(std::move(r));
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

protstream& protstream::operator<<(const matrix<reel>& m) {
    if (!discarding_) append(std::make_unique<protmatrix>(std::make_unique<MatrixReel>(m)));
    return *this;
}

protstream& protstream::operator<<(const matrix<double>& m) {
    if (!discarding_) append(std::make_unique<protmatrix>(std::make_unique<MatrixFloat>(m)));
    return *this;
}

void protstream::write(std::ostream& os) const {
    for (const auto& r : records_) r->write(os);
}

void protstream::draw(int x, int y, dc& d, const dcrect& clip) const {
    for (const auto& r : records_) {
        if (y > clip.bottom) break; // every record from here on lies below the clip
        r->draw(x, y, d, clip);
        y += r->height;
    }
}

void protstream::measure(dc& d) {
    height = 0;
    width = 0;
    for (const auto& r : records_) {
        r->measure(d);
        height += r->height;
        if (r->width > width) width = r->width;
    }
}

void protstream::paginate(DruckInfo& cursor) {
    for (const auto& r : records_) r->paginate(cursor);
}

void protstream::printPage(DruckInfo& cursor) const {
    for (const auto& r : records_) {
        if (cursor.item == -1) break; // the page is full
        r->printPage(cursor);
    }
}
