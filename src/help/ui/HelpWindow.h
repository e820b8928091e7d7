#pragma once

#include "base/WorkFolder.h"

#include <QKeySequence>
#include <QWidget>

class QTextBrowser;

namespace climora {

// The program's help: one HTML document shown in a window of its own, so it
// needs no outside viewer. Topics are anchors in the document.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    // Shows the help window (creating it if needed) at the topic; 0 shows
    // the contents.
    static HelpWindow* showTopic(int topic);
    // The help window, if it is open.
    static HelpWindow* current();
    // Closes and destroys the help window, if it is open. The main window
    // does this at shutdown: an open help window would keep the process alive.
    static void closeCurrent();
    // Where the document lives.
    static QUrl documentUrl();

    QTextBrowser* browser() const { return browser_; }
    int topic() const { return topic_; }

  private:
    explicit HelpWindow(QWidget* parent = nullptr);
    void goToTopic(int topic);

    QTextBrowser* browser_;
    int topic_ = 0;
};

// Makes the work folder the current folder, then shows the help at the
// topic. Every help request of the explorer and the task pages goes here.
HelpWindow* openHelp(const WorkFolder& workFolder, int topic);

// Binds a help topic to a window or control.
void bindHelpTopic(QWidget* widget, int topic);
// The topic of the widget or of the nearest enclosing one that has one;
// the contents when none has.
int helpTopicFor(const QWidget* widget);
// A shortcut on `window` that opens the help at the topic of the control
// with the focus (or of the window). The work folder must outlive the window.
void installContextHelp(QWidget* window, const WorkFolder& workFolder, const QKeySequence& key);

} // namespace climora
