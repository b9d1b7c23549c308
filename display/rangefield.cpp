#include "rangefield.h"

#include <QIntValidator>

#include "prompts.h"
#include "stringtable.h"

RangeField::RangeField(long lowest, long highest, int maxLength, QWidget* parent)
    : QLineEdit(parent), lowest_(lowest), highest_(highest) {
    setMaxLength(maxLength);
    setValidator(new QIntValidator(int(lowest), int(highest), this));
}

bool RangeField::check() {
    bool ok = false;
    const long value = text().toLong(&ok);
    if (ok && value >= lowest_ && value <= highest_) return true;
    const QString message =
        QString::fromStdString(strings::format(strings::ValueNotInRange, lowest_, highest_));
    prompts::current().message(window(), message, window()->windowTitle(), MessageStyle::Stop);
    setFocus();
    selectAll();
    return false;
}
