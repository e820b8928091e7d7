#include "app/ui/AppIcon.h"
#include "app/ui/MainWindow.h"
#include "app/ui/QtFileDialogs.h"
#include "app/ui/QtMessenger.h"
#include "app/ui/TerminationWatcher.h"
#include "base/WorkFolder.h"
#include "output/ui/QtDesktopOpener.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>
#include <QTimer>

int main(int argc, char** argv) {
    // The explorer's web engine needs this before the application exists;
    // the engine itself starts only when the explorer is opened.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Climora"));
    QApplication::setApplicationVersion(QStringLiteral(CLIMORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.climora.Climora"));
    QApplication::setWindowIcon(climora::climoraIcon());
    QCommandLineParser arguments;
    arguments.setApplicationDescription(
        QStringLiteral("Prepares daily weather data for crop-growth simulation."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(QStringLiteral("FILE"),
                                    QStringLiteral("A weather file to open into the input panel."),
                                    QStringLiteral("[FILE]"));
    arguments.process(app);
    std::filesystem::path installFolder = climora::findInstallFolder(
        QCoreApplication::applicationDirPath().toStdString(), QDir::currentPath().toStdString());
    climora::QtMessenger messenger;
    climora::QtFileDialogs fileDialogs;
    climora::QtDesktopOpener desktopOpener;
    climora::MainWindow window(installFolder, messenger, fileDialogs, desktopOpener);
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
    if (const QStringList files = arguments.positionalArguments(); !files.isEmpty())
        QTimer::singleShot(0, &window,
                           [&window, file = files.first()] { window.openInputFile(file); });
    return app.exec();
}
