#pragma once

#include "app/AppFrame.h"
#include "app/FileDialogs.h"
#include "app/Messenger.h"

#include <QMainWindow>
#include <filesystem>

class QAction;
class QMenu;
class QPushButton;

namespace climora {

class ElasticScaler;
class InputGroup;
class InputNameBox;
class MissingValueGroup;

// The main window: assembles the groups, owns the menus and runs start-up
// and shutdown. The groups do their own work; this class connects them.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(const std::filesystem::path& installFolder, Messenger& messenger,
               FileDialogs& fileDialogs, QWidget* parent = nullptr);

    FrameState& frame() { return frame_; }
    InputGroup* inputGroup() const { return inputGroup_; }
    InputNameBox* inputNameBox() const { return nameBox_; }
    MissingValueGroup* missingValueGroup() const { return missingGroup_; }
    QAction* elasticAction() const { return elastic_; }
    QAction* horizontalScrollAction() const { return horizontalScroll_; }
    QAction* spacerAction() const { return enableSpacer_; }

    // The switches and missing-value texts as the controls hold them now.
    Options currentOptions() const;

    void openInputFile();
    void saveInputFile();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildWidgets();
    void buildMenus();
    void applyStartupOptions();
    void layOutInputName();

    Messenger& messenger_;
    FileDialogs& fileDialogs_;
    FrameState frame_;
    bool shutDown_ = false;

    QPushButton* openButton_ = nullptr;
    InputNameBox* nameBox_ = nullptr;
    InputGroup* inputGroup_ = nullptr;
    MissingValueGroup* missingGroup_ = nullptr;
    ElasticScaler* scaler_ = nullptr;

    QMenu* fileMenu_ = nullptr;
    QMenu* controlMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QAction* elastic_ = nullptr;
    QAction* horizontalScroll_ = nullptr;
    QAction* enableSpacer_ = nullptr;
};

} // namespace climora
