#pragma once
#include <QWidget>

class dc;

// The preview of the options dialog: twelve and three seventeenths in the
// fonts chosen in the dialog (the current ones until then), with the current
// fraction-bar space, centred in the control.
class MyTestControl : public QWidget {
    Q_OBJECT
public:
    explicit MyTestControl(QWidget* parent = nullptr);

    // The sample on d, in a control of the given size.
    static void drawSample(dc& d, int width, int height);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
};
