#pragma once

// Where a printed page begins: with print line line + 1 of record item
// (records counted from 0 in printing order; line 0 when the record begins
// on this page).
struct SeitenMerkmale {
    int item = 0;
    int line = 0;
    bool operator==(const SeitenMerkmale&) const = default;
};
