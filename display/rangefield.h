#pragma once
#include <QLineEdit>

// An edit field for a whole number in a range: typing is limited to digits
// and the field's length; on OK the dialog asks check(), which names the
// range in a message and keeps the dialog open when the number is outside.
class RangeField : public QLineEdit {
    Q_OBJECT
public:
    RangeField(long lowest, long highest, int maxLength, QWidget* parent = nullptr);

    // True when the text is a number in the range; otherwise shows "Value is
    // not in the range ..." and puts the focus back into the field.
    bool check();
    long lowest() const { return lowest_; }
    long highest() const { return highest_; }

private:
    long lowest_, highest_;
};
