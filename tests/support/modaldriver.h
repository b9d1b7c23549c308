#pragma once
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

// Answers the next modal dialog from inside its own event loop, the way a
// user would: the function gets the dialog once it runs and clicks or types
// in it. A dialog left open is cancelled and fails the test, as does no dialog.
// Construct it before the code that opens the dialog; no sleeping involved.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(QDialog*)> answer) {
        timer_.setSingleShot(true);
        timer_.callOnTimeout([this, answer] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ran_ = true;
            if (!dialog) {
                ADD_FAILURE() << "no modal dialog is running";
                return;
            }
            answer(dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog->reject();
            }
        });
        timer_.start(0);
    }
    ~ModalDriver() { EXPECT_TRUE(ran_) << "no dialog came"; }

private:
    QTimer timer_; // stopped with the driver
    bool ran_ = false;
};
