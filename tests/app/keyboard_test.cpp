// Keyboard use without a mouse: Tab walks every dialog in the order a reader
// sees its fields (the menus' Alt letters and where the keyboard goes in the
// windows, the sessions show).
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <algorithm>

#include "appfixture.h"
#include "getedge_dialog.h"
#include "matrix2_dialog.h"
#include "matrixfile.h"
#include "new_dialog.h"
#include "options_dialog.h"
#include "ordoaboutdlg.h"
#include "pivotiere_dialog.h"
#include "resize_dialog.h"

namespace {

// Makes the window the one that gets the keys, as a click on it would.
void activate(QWidget& window) {
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
}

// Reading order: b comes after a when it lies lower (its middle below a's
// bottom) or on the same line further right.
bool readsAfter(const QWidget* a, const QWidget* b, const QWidget* window) {
    const QRect ra(a->mapTo(window, QPoint(0, 0)), a->size());
    const QRect rb(b->mapTo(window, QPoint(0, 0)), b->size());
    if (rb.center().y() != std::clamp(rb.center().y(), ra.top(), ra.bottom()))
        return rb.center().y() > ra.bottom();
    return rb.center().x() > ra.center().x();
}

// Runs the dialog modal, as the program does: Tab from the first field must
// reach every field that takes the keyboard, in reading order (of a group of
// radio buttons Tab visits the chosen one; the arrow keys choose).
void checkTabOrder(QDialog&& d) {
    ModalDriver driver([&](QDialog* shown) {
        activate(*shown);
        QList<QWidget*> chain;
        for (QWidget* w = QApplication::focusWidget();
             w && shown->isAncestorOf(w) && !chain.contains(w); w = QApplication::focusWidget()) {
            EXPECT_TRUE(chain.empty() || readsAfter(chain.back(), w, shown))
                << shown->windowTitle() << ": " << w->objectName();
            chain << w;
            QTest::keyClick(w, Qt::Key_Tab);
        }
        for (QWidget* w : shown->findChildren<QWidget*>()) {
            const auto* radio = qobject_cast<QRadioButton*>(w);
            EXPECT_TRUE(chain.contains(w) || !w->isVisibleTo(shown) || !w->isEnabled() ||
                        !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() ||
                        (radio && radio->autoExclusive() && !radio->isChecked()))
                << shown->windowTitle() << ": Tab never reaches " << w->objectName();
        }
        shown->reject();
    });
    d.exec();
}

} // namespace

TEST_F(AppTest, TabWalksEveryDialogInReadingOrder) {
    start();
    NewMatrixTransfer n;
    Matrix2Transfer m{{"a: (2 x 2)", "b: (2 x 2)"}, 0};
    const auto source = MatrixFile::parse("2\t2\r\n1\t2\t\r\n3\t4\t\r\n");
    PivotTransfer p;
    resize_transfer r;
    getedge_transfer g;
    checkTabOrder(new_dialog(&main(), n));
    checkTabOrder(matrix2_dialog(&main(), m));
    checkTabOrder(pivotiere_dialog(&main(), *source.document, p));
    checkTabOrder(resize_dialog(r, &main()));
    checkTabOrder(getedge_dialog(g, &main()));
    checkTabOrder(ordoAboutDlg(&main()));
    for (int page = 0; page < 3; ++page) {
        OptionsTransfer o;
        options_dialog d(&main(), o);
        d.findChild<QTabWidget*>()->setCurrentIndex(page);
        checkTabOrder(std::move(d));
    }
}
