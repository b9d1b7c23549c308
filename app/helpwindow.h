#pragma once
#include <QUrl>
#include <QWidget>

class QTextBrowser;

// The program's help: German HTML pages compiled into the program, shown in a
// window of their own. Topics are addressed by the help context numbers the
// commands and dialogs use; 0 is the contents page.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the topic and brings the window to the front. While a modal
    // dialog runs (help asked for from a dialog), the window becomes one of
    // the dialog's, so that it takes input beside it, and stands beside the
    // dialog rather than over it; when the dialog closes it returns to its
    // parent and stays open.
    void showTopic(int context);

    // The page and anchor of a context number; the contents page for 0 and
    // for numbers without a topic of their own.
    static QUrl topicUrl(int context);
    // Every context number that has a topic of its own.
    static QList<int> contexts();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void joinDialog(QWidget* dialog);
    void leaveDialog();
    void placeBeside(const QWidget* dialog);

    QTextBrowser* browser_;
    QWidget* home_;             // the parent the window was made with
    QWidget* dialog_ = nullptr; // the modal dialog the window belongs to now
};
