#include "help/ui/HelpWindow.h"

#include "help/HelpTopics.h"

#include <QApplication>
#include <QBoxLayout>
#include <QPointer>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>

// Resources of a static library are registered by hand.
static void registerHelpResource() {
    static bool registered = [] {
        Q_INIT_RESOURCE(ClimoraHelp);
        return true;
    }();
    (void)registered;
}

namespace climora {
namespace {

constexpr const char* topicProperty = "climoraHelpTopic";

QPointer<HelpWindow>& theHelpWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

} // namespace

QUrl HelpWindow::documentUrl() {
    return QUrl("qrc:/help/ClimoraHelp.html");
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    registerHelpResource();
    setObjectName("helpWindow");
    setWindowTitle("Climora Help");
    setAttribute(Qt::WA_DeleteOnClose);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("helpBrowser");
    browser_->setAccessibleName("Help text");
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(760, 640);
}

HelpWindow* HelpWindow::current() {
    return theHelpWindow();
}

void HelpWindow::closeCurrent() {
    delete theHelpWindow().data();
}

HelpWindow* HelpWindow::showTopic(int topic) {
    QPointer<HelpWindow>& window = theHelpWindow();
    if (!window)
        window = new HelpWindow;
    window->show();
    window->raise();
    window->activateWindow();
    window->goToTopic(topic);
    return window;
}

void HelpWindow::goToTopic(int topic) {
    topic_ = topic;
    QUrl url = documentUrl();
    std::string anchor = helpTopicAnchor(topic);
    if (!anchor.empty())
        url.setFragment(QString::fromStdString(anchor));
    browser_->setSource(url);
    if (anchor.empty())
        browser_->verticalScrollBar()->setValue(0);
}

HelpWindow* openHelp(const WorkFolder& workFolder, int topic) {
    makeWorkFolderCurrent(workFolder);
    return HelpWindow::showTopic(topic);
}

void bindHelpTopic(QWidget* widget, int topic) {
    widget->setProperty(topicProperty, topic);
}

int helpTopicFor(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        QVariant topic = w->property(topicProperty);
        if (topic.isValid())
            return topic.toInt();
    }
    return help::contents;
}

void installContextHelp(QWidget* window, const WorkFolder& workFolder, const QKeySequence& key) {
    auto* shortcut = new QShortcut(key, window);
    shortcut->setObjectName("contextHelpShortcut");
    const WorkFolder* folder = &workFolder;
    QObject::connect(shortcut, &QShortcut::activated, window, [window, folder] {
        QWidget* focus = QApplication::focusWidget();
        bool inWindow = focus && focus->window() == window;
        openHelp(*folder, helpTopicFor(inWindow ? focus : window));
    });
}

} // namespace climora
