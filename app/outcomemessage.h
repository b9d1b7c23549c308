#pragma once
#include <QString>

#include "messagestyle.h"

// How a document window shows the message of an algorithm command: the box's
// caption and style, chosen by the message's string id.
struct OutcomeMessage {
    QString caption;
    MessageStyle style = MessageStyle::Ok;
};
OutcomeMessage outcomeMessage(int textId);
