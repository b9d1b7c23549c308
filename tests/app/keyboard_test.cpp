// Keyboard use without a mouse: every menu opens with its Alt letter, Tab
// walks every dialog in the order a reader sees its fields, and a source view
// that opens takes the keyboard in its entry line.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

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

const QByteArray twoByTwo = "2\t2\r\n1\t2\t\r\n3\t4\t\r\n";

QChar mnemonic(const QString& text) {
    const qsizetype at = text.indexOf('&');
    return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
}

// Leaves any open menu and the menu bar's keyboard mode.
void closeMenus(QWidget* window) {
    for (int i = 0; i < 3 && QApplication::activePopupWidget(); ++i)
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::keyClick(window, Qt::Key_Escape);
}

// Makes the window the one that gets the keys, as a click on it would.
void activate(QWidget& window) {
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
}

// The widgets Tab visits, from the one that has the focus, once round.
QList<QWidget*> tabChain(QWidget* window) {
    QList<QWidget*> chain;
    QWidget* w = QApplication::focusWidget();
    while (w && window->isAncestorOf(w) && !chain.contains(w)) {
        chain << w;
        QTest::keyClick(w, Qt::Key_Tab);
        w = QApplication::focusWidget();
    }
    return chain;
}

// Reading order: b comes after a when it lies lower (its middle below a's
// bottom) or on the same line further right.
bool readsAfter(const QWidget* a, const QWidget* b, const QWidget* window) {
    const QRect ra(a->mapTo(window, QPoint(0, 0)), a->size());
    const QRect rb(b->mapTo(window, QPoint(0, 0)), b->size());
    if (rb.center().y() > ra.bottom()) return true;
    if (rb.center().y() < ra.top()) return false;
    return rb.center().x() > ra.center().x();
}

std::string name(const QWidget* w) {
    return w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName().toStdString();
}

// Runs the dialog as the program does (modal) and checks that Tab from the
// field that has the focus first reaches every field in reading order;
// returns how many fields it visited.
int checkTabOrder(QDialog& d) {
    int visited = 0;
    ModalDriver driver([&](QDialog* shown) {
        activate(*shown);
        const QList<QWidget*> chain = tabChain(shown);
        for (qsizetype i = 1; i < chain.size(); ++i)
            EXPECT_TRUE(readsAfter(chain[i - 1], chain[i], shown))
                << shown->windowTitle().toStdString() << ": " << name(chain[i]) << " after "
                << name(chain[i - 1]);
        // Nothing that takes the keyboard is left out (of a group of radio
        // buttons Tab visits the chosen one; the arrow keys choose).
        for (QWidget* w : shown->findChildren<QWidget*>()) {
            const auto* radio = qobject_cast<QRadioButton*>(w);
            if (!w->isVisibleTo(shown) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) ||
                w->focusProxy() || (radio && radio->autoExclusive() && !radio->isChecked()))
                continue;
            EXPECT_TRUE(chain.contains(w))
                << shown->windowTitle().toStdString() << ": Tab never reaches " << name(w);
        }
        visited = int(chain.size());
        shown->reject();
    });
    d.exec();
    EXPECT_TRUE(driver.ran());
    return visited;
}

} // namespace

TEST_F(AppTest, EveryMenuOpensWithItsAltLetter) {
    start({write("a.mtx", twoByTwo)});
    activate(main());
    QList<QAction*> menus;
    for (QAction* a : main().menuBar()->actions())
        if (a->isVisible() && a->menu()) menus << a;
    ASSERT_EQ(menus.size(), 7);

    for (QAction* menu : menus) {
        const QChar letter = mnemonic(menu->text());
        ASSERT_FALSE(letter.isNull()) << menu->text().toStdString();
        // Menus that share a letter take turns, one press after the other.
        int sharing = 0;
        for (QAction* other : menus)
            sharing += mnemonic(other->text()) == letter;
        bool opened = false;
        for (int press = 0; press < sharing && !opened; ++press) {
            QTest::keyClick(&main(), letter.toLatin1(), Qt::AltModifier);
            opened = QApplication::activePopupWidget() == menu->menu();
            closeMenus(&main());
        }
        EXPECT_TRUE(opened) << menu->text().toStdString();
    }
}

TEST_F(AppTest, TabWalksEveryDialogInReadingOrder) {
    start();
    NewMatrixTransfer newMatrix;
    new_dialog n(&main(), newMatrix);
    EXPECT_EQ(checkTabOrder(n), 6);

    Matrix2Transfer operand{{"a: (2 x 2)", "b: (2 x 2)"}, 0};
    matrix2_dialog m(&main(), operand);
    EXPECT_GE(checkTabOrder(m), 3);

    auto source = MatrixFile::parse(twoByTwo.toStdString());
    ASSERT_TRUE(source);
    PivotTransfer pivot;
    pivotiere_dialog p(&main(), *source.document, pivot);
    EXPECT_GE(checkTabOrder(p), 4);

    resize_transfer size;
    resize_dialog r(size, &main());
    EXPECT_GE(checkTabOrder(r), 4);

    getedge_transfer edge;
    getedge_dialog g(edge, &main());
    EXPECT_GE(checkTabOrder(g), 3);

    ordoAboutDlg about(&main());
    EXPECT_GE(checkTabOrder(about), 3);

    OptionsTransfer options;
    options_dialog o(&main(), options);
    auto* tabs = o.findChild<QTabWidget*>();
    ASSERT_TRUE(tabs);
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        EXPECT_GE(checkTabOrder(o), 4) << "page " << page;
    }
}

TEST_F(AppTest, ASourceViewThatOpensTakesTheKeyboardInItsEntryLine) {
    start({write("a.mtx", twoByTwo)});
    activate(main());
    QWidget* focus = QApplication::focusWidget();
    ASSERT_TRUE(focus);
    EXPECT_EQ(focus->objectName(), "entry");
    EXPECT_TRUE(active()->isAncestorOf(focus));

    // Back from the result view with F2, the entry line has the keys again.
    ASSERT_TRUE(run(cmd::Gauss));
    EXPECT_NE(QApplication::focusWidget()->objectName(), "entry");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "entry");
    QTest::keyClicks(QApplication::focusWidget(), "7");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    // Typed over the cell's 1.
    EXPECT_EQ(active()->source().cellText(0, 0, settings().floatFormat()), "7");
    QTest::keyClicks(QApplication::focusWidget(), "1-2\r"); // refused: the status bar says why
    EXPECT_TRUE(main().statusBar()->currentMessage().startsWith(QString::fromUtf8("„1-2“ wird")));

    // A new matrix's window has it when the main window is active again
    // after the dialog (no window manager here to give it back by itself).
    newMatrix(2, 3);
    activate(main());
    QWidget* focus2 = QApplication::focusWidget();
    ASSERT_TRUE(focus2);
    EXPECT_EQ(focus2->objectName(), "entry");
    EXPECT_TRUE(active()->isAncestorOf(focus2));
}
