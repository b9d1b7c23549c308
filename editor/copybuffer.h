#pragma once
#include <memory>

#include "matrix.h"

// The program's copy buffer ("Zwischenablage") of one number kind: the block
// last copied from any editor of that kind, empty at start. There is one per
// kind, so a fraction block never reaches a float document. The buffer lives
// until the next copy of its kind or program exit. A copy also puts the block
// on the system clipboard as spreadsheet text (SystemClipboard), for other
// programs; pasting within Lineon takes the exact values from here.
template <class T> class CopyBuffer {
public:
    // Null while nothing of this kind was copied.
    static const matrix<T>* get() { return slot().get(); }
    // Replaces the buffer. The copy keeps no protocol: the document it came
    // from may be closed long before it is pasted.
    static void set(std::unique_ptr<matrix<T>> block) {
        if (block) block->prot = nullptr;
        slot() = std::move(block);
    }
    static void clear() { slot().reset(); }

private:
    // A function-local static, freed at program exit.
    static std::unique_ptr<matrix<T>>& slot() {
        static std::unique_ptr<matrix<T>> buffer;
        return buffer;
    }
};
