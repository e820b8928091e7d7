#include "app/WorkFolder.h"
#include "app/ui/MainWindow.h"
#include "app/ui/QtFileDialogs.h"
#include "app/ui/QtMessenger.h"
#include "app/ui/TerminationWatcher.h"

#include <QApplication>
#include <QDir>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Climora"));
    std::filesystem::path installFolder = climora::findInstallFolder(
        QCoreApplication::applicationDirPath().toStdString(), QDir::currentPath().toStdString());
    climora::QtMessenger messenger;
    climora::QtFileDialogs fileDialogs;
    climora::MainWindow window(installFolder, messenger, fileDialogs);
    messenger.setParent(&window);
    fileDialogs.setParent(&window);
    if (QScreen* screen = window.screen()) {
        QRect available = screen->availableGeometry();
        window.resize(window.size().boundedTo(available.size()));
        window.move(available.center() - window.rect().center());
    }
    climora::TerminationWatcher termination;
    QObject::connect(&termination, &climora::TerminationWatcher::terminationRequested, &window,
                     &QWidget::close);
    window.show();
    return app.exec();
}
