#include "outcomemessage.h"

#include "stringtable.h"

OutcomeMessage outcomeMessage(int textId) {
    const auto box = [](strings::Id caption, MessageStyle style) {
        return OutcomeMessage{QString::fromUtf8(strings::load(caption)), style};
    };
    switch (textId) {
    case strings::DeterminantShape: return box(strings::NonsenseTitle, MessageStyle::Ok);
    case strings::InverseShape: return box(strings::NonsenseTitle, MessageStyle::OkCancel);
    case strings::NoSolution: return box(strings::NoResultTitle, MessageStyle::Ok);
    case strings::NotInvertible:
    case strings::NoOptimum: return box(strings::NoResultTitle, MessageStyle::Information);
    case strings::NoOperand: return box(strings::HmTitle, MessageStyle::Information);
    case strings::Overflow: return box(strings::OhNoTitle, MessageStyle::StopOrLongFractions);
    default: return box(strings::OhNoTitle, MessageStyle::Stop); // out of memory
    }
}
