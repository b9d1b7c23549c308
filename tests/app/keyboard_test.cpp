// Keyboard use without a mouse: every menu opens with its Alt letter, Tab
// walks every dialog in the order a reader sees its fields, and a source view
// takes the keyboard in its entry line.
#include <QMenuBar>
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
void checkTabOrder(QDialog& d) {
    ModalDriver driver([&](QDialog* shown) {
        activate(*shown);
        QList<QWidget*> chain;
        for (QWidget* w = QApplication::focusWidget(); w && shown->isAncestorOf(w) && !chain.contains(w);
             w = QApplication::focusWidget()) {
            if (!chain.empty()) {
                EXPECT_TRUE(readsAfter(chain.back(), w, shown))
                    << shown->windowTitle().toStdString() << ": " << w->objectName().toStdString();
            }
            chain << w;
            QTest::keyClick(w, Qt::Key_Tab);
        }
        for (QWidget* w : shown->findChildren<QWidget*>()) {
            const auto* radio = qobject_cast<QRadioButton*>(w);
            if (w->isVisibleTo(shown) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
                !w->focusProxy() && !(radio && radio->autoExclusive() && !radio->isChecked())) {
                EXPECT_TRUE(chain.contains(w)) << shown->windowTitle().toStdString()
                                               << ": Tab never reaches " << w->objectName().toStdString();
            }
        }
        shown->reject();
    });
    d.exec();
    EXPECT_TRUE(driver.ran());
}

} // namespace

TEST_F(AppTest, EveryMenuOpensWithItsAltLetter) {
    start({write("a.mtx", "1\t1\r\n1\t\r\n")});
    activate(main());
    for (QAction* menu : main().menuBar()->actions()) {
        const QChar letter = menu->text()[menu->text().indexOf('&') + 1].toLower();
        bool opened = false; // menus that share a letter take turns, one press after the other
        for (int press = 0; press < 3 && !opened; ++press) {
            QTest::keyClick(&main(), letter.toLatin1(), Qt::AltModifier);
            opened = QApplication::activePopupWidget() == menu->menu();
            while (QApplication::activePopupWidget()) QApplication::activePopupWidget()->close();
            QTest::keyClick(&main(), Qt::Key_Escape);
        }
        EXPECT_TRUE(opened) << menu->text().toStdString();
    }
}

TEST_F(AppTest, TabWalksEveryDialogInReadingOrder) {
    start();
    NewMatrixTransfer newMatrix;
    new_dialog n(&main(), newMatrix);
    Matrix2Transfer operand{{"a: (2 x 2)", "b: (2 x 2)"}, 0};
    matrix2_dialog m(&main(), operand);
    auto source = MatrixFile::parse("2\t2\r\n1\t2\t\r\n3\t4\t\r\n");
    PivotTransfer pivot;
    pivotiere_dialog p(&main(), *source.document, pivot);
    resize_transfer size;
    resize_dialog r(size, &main());
    getedge_transfer edge;
    getedge_dialog g(edge, &main());
    ordoAboutDlg about(&main());
    for (QDialog* d : std::initializer_list<QDialog*>{&n, &m, &p, &r, &g, &about}) checkTabOrder(*d);
    OptionsTransfer options;
    options_dialog o(&main(), options);
    auto* tabs = o.findChild<QTabWidget*>();
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        checkTabOrder(o);
    }
}

TEST_F(AppTest, ASourceViewTakesTheKeyboardInItsEntryLine) {
    start({write("a.mtx", "1\t1\r\n1\t\r\n")});
    activate(main());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "entry");
    ASSERT_TRUE(run(cmd::Gauss));
    EXPECT_NE(QApplication::focusWidget()->objectName(), "entry");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2); // back from the result view
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "entry");
    QTest::keyClicks(QApplication::focusWidget(), "7\r");
    EXPECT_EQ(active()->source().cellText(0, 0, {}), "7");

    // A new matrix's window has it when the main window is active again after
    // the dialog (no window manager here to give it back by itself).
    newMatrix(2, 3);
    activate(main());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "entry");
    EXPECT_TRUE(active()->isAncestorOf(QApplication::focusWidget()));
}
