// The document window: its views, captions, enable rules, context menu and
// the windows it opens from itself.
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "appfixture.h"

namespace {

// Prompts that repaint the active window's view while a message box is up,
// as the screen would: the view must not draw from a discarded result.
class RepaintingPrompts : public ScriptedPrompts {
public:
    TMyMDIClient* client = nullptr;
    Answer message(QWidget* parent, const QString& text, const QString& caption,
                   MessageStyle style) override {
        if (client && client->activeDocument())
            if (QWidget* view = client->activeDocument()->widget()) view->grab();
        return ScriptedPrompts::message(parent, text, caption, style);
    }
};

} // namespace

// Captions and the enable states of the run, result and editing commands are
// checked after every action of the random session; here the widget each view
// shows, and the editor's buffer command that session never checks.
TEST_F(AppTest, EachViewShowsItsOwnWidget) {
    start();
    SDIDecFrame* w = open("a.mtx", "2\t2\r\n2\t1\t\r\n1\t1\t\r\n");
    EXPECT_TRUE(enabled(cmd::OpenBuffer));
    run(cmd::Inverse);
    EXPECT_EQ(w->widget()->objectName(), "resultView");
    run(cmd::ViewProtocol);
    EXPECT_EQ(w->widget()->objectName(), "protocolView");
    EXPECT_FALSE(enabled(cmd::OpenBuffer));
    run(cmd::ViewSource);
    EXPECT_EQ(w->widget()->objectName(), "sourceView");
}

TEST_F(AppTest, ViewsNeverPaintFromADiscardedResult) {
    RepaintingPrompts repainting; // replaces the fixture's prompts for this test
    start();
    repainting.client = &client();
    repainting.files = {write("a.mtx", "2\t2\r\n1\t2\t\r\n2\t4\t\r\n")};
    run(cmd::Open);
    SDIDecFrame* w = active();
    ASSERT_NE(w, nullptr);
    run(cmd::Gauss);
    ASSERT_EQ(w->view(), DocumentView::Result);
    run(cmd::Inverse); // its message comes while the old result is on screen
    EXPECT_EQ(repainting.lastText(), "Die Matrix ist nicht invertierbar");
    run(cmd::ViewResult);
    run(cmd::Addition); // no operand: the result view stays
    EXPECT_EQ(repainting.messages.back().caption, "Hm");
    w->widget()->grab();
    run(cmd::ViewResult);
    EXPECT_EQ(elements(*w->result()), elements(w->source()));
}

TEST_F(AppTest, DuplicateResultAndFloatingPointCopyOpenNewUntitledWindows) {
    start();
    SDIDecFrame* w = open("a.mtx", "2\t2\r\n-1/1/3\t1\t\r\n0\t2\t\r\n");
    run(cmd::Inverse);

    ASSERT_TRUE(run(cmd::Duplicate));
    SDIDecFrame* copy = active();
    EXPECT_EQ(copy->windowTitle(), "noname0: (2 x 2)  : Ausgangsmatrix");
    EXPECT_EQ(elements(copy->source()), elements(w->source()));
    EXPECT_FALSE(copy->hasResult());
    EXPECT_TRUE(copy->protocol().records().empty());
    EXPECT_TRUE(copy->isUntitled());
    EXPECT_TRUE(copy->isModified());

    client().setActiveSubWindow(w);
    ASSERT_TRUE(run(cmd::ResultAsSource));
    EXPECT_EQ(elements(active()->source()), elements(*w->result()));
    EXPECT_EQ(active()->windowTitle(), "noname1: (2 x 2)  : Ausgangsmatrix");

    client().setActiveSubWindow(w);
    ASSERT_TRUE(run(cmd::OpenAsFloat));
    EXPECT_EQ(active()->source().kind(), MatrixObject::Float);
    EXPECT_EQ(active()->source().cellText(0, 0, settings().floatFormat()), "-1.33333");
    EXPECT_EQ(w->source().kind(), MatrixObject::Exact);
}

TEST_F(AppTest, TheContextMenuOffersTheViewsAndDisablesEditingOutsideTheSource) {
    start();
    SDIDecFrame* w = open("a.mtx", "2\t2\r\n2\t1\t\r\n1\t1\t\r\n");
    auto entries = [&] {
        QStringList out;
        for (QAction* a : w->prepareContextMenu()->actions())
            out << (a->isSeparator() ? QString("-") : a->text() + (a->isEnabled() ? "" : " (aus)"));
        return out;
    };
    EXPECT_EQ(entries(), QStringList({"Ansicht AusgangsMatrix", "Ansicht Ergebniss (aus)",
                                      "Ansicht Protokoll (aus)", "-", "Kopieren Strg+C",
                                      "Einfügen Strg+V", "Größe Ändern", "Dupplizieren"}));
    run(cmd::Gauss);
    run(cmd::ViewProtocol);
    EXPECT_EQ(entries(),
              QStringList({"Ansicht AusgangsMatrix", "Ansicht Ergebniss", "Ansicht Protokoll", "-",
                           "Kopieren Strg+C (aus)", "Einfügen Strg+V (aus)", "Größe Ändern (aus)",
                           "Dupplizieren"}));

    // A right click in the protocol view opens this menu; the entry chosen runs.
    QWidget* viewport = w->widget()->findChild<QWidget*>("qt_scrollarea_viewport");
    ASSERT_NE(viewport, nullptr);
    QMenu* popped = nullptr;
    QTimer answer;
    answer.setSingleShot(true);
    answer.callOnTimeout([&] {
        popped = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!popped) return;
        popped->setActiveAction(popped->actions().first());
        QTest::keyClick(popped, Qt::Key_Return);
    });
    answer.start(0);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            viewport->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(viewport, &click);
    EXPECT_EQ(popped, w->findChild<QMenu*>("contextMenu"));
    EXPECT_EQ(w->view(), DocumentView::Source);
}
