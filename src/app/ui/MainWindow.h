#pragma once

#include "base/FileDialogs.h"
#include "base/FrameState.h"
#include "base/Messenger.h"
#include "charts/ChartTable.h"
#include "charts/PanelRows.h"
#include "explorer/ExplorerHost.h"
#include "input/InputFile.h"
#include "notes/Note.h"
#include "output/DesktopOpener.h"
#include "prefs/ProgramSettings.h"
#include "prefs/StartUp.h"

#include <QMainWindow>
#include <filesystem>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace climora {

class ElasticScaler;
class InputGroup;
class InputNameBox;
class MissingValueGroup;
class NotesStrip;
class OutputGroup;
class TaskGroup;
class TemplateComboBox;
class TemplateStore;
struct ToolContext;
struct ProcessRequest;
struct ChartRequest;

// The main window: assembles the groups, owns the menus and runs start-up
// and shutdown. The groups do their own work; this class connects them.
// Construction and the frame live in MainWindow.cpp, the menu commands in
// MainWindowCommands.cpp, the Process run and the explorer's requests in
// MainWindowProcess.cpp.
class MainWindow : public QMainWindow, public ExplorerHost {
    Q_OBJECT
  public:
    MainWindow(const std::filesystem::path& installFolder, Messenger& messenger,
               FileDialogs& fileDialogs, DesktopOpener& desktopOpener, QWidget* parent = nullptr);
    ~MainWindow() override;

    FrameState& frame() { return frame_; }
    InputGroup* inputGroup() const { return inputGroup_; }
    InputNameBox* inputNameBox() const { return nameBox_; }
    MissingValueGroup* missingValueGroup() const { return missingGroup_; }
    TaskGroup* taskGroup() const { return taskGroup_; }
    OutputGroup* outputGroup() const { return outputGroup_; }
    TemplateComboBox* templateBox() const { return templateBox_; }
    QPushButton* explorerButton() const { return explorerButton_; }
    QAction* elasticAction() const { return elastic_; }
    QAction* horizontalScrollAction() const { return horizontalScroll_; }
    QAction* spacerAction() const { return enableSpacer_; }
    QAction* notesAction() const { return plausibilityNotes_; }
    NotesStrip* notesStrip() const { return notesStrip_; }
    QAction* action(const QString& objectName) const;

    // The switches and missing-value texts as the controls hold them now.
    Options currentOptions() const;

    void openInputFile();
    // Opens a named file as "Step 1" opens the file its dialog chooses.
    void openInputFile(const QString& path);
    void saveInputFile();
    void process();
    void cleanInputData();
    void alignInputData();
    void removeInputDataColumns();
    // "Suggest columns": fills the rows box and the slots; never processes.
    void suggestColumns();
    void editDefaultFolders();
    void applySelectedTemplate() override;
    void retrieveLastSessionTemplate();
    void saveCurrentDataTemplate();
    void manageTemplateList();
    void openExplorer();
    void showAbout();
    // Charts of the input panel's rows, and of the output panel's result.
    void chartInput();
    void chartOutput();

    // ExplorerHost
    void setInputText(const std::string& text) override;
    void setInputName(const std::string& name) override;
    void selectFirstTemplate() override;
    std::string defaultInputFolder() const override { return frame_.defaultInputFolder; }
    const WorkFolder& workFolder() const override { return *frame_.workFolder; }
    Messenger& messenger() override { return messenger_; }
    FileDialogs& fileDialogs() override { return fileDialogs_; }
    void setExplorerOpen(bool open) override { frame_.explorerOpen = open; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildWidgets();
    void buildMenus();
    void buildFileMenu();
    void buildControlMenu();
    void buildHelpMenu();
    void connectGroups();
    void bindHelpTopics();
    void applyStartupOptions(const Options& options, bool restored);
    // "Climora.ini": the choices beyond the option file.
    void loadProgramSettings();
    void setNotesShown(bool shown);
    void showNotes(const std::vector<Note>& notes);
    // A suggestion's notes were asked for: shown whatever the menu says.
    void showSuggestionNotes(const std::vector<std::string>& notes);
    // The last run's notes and what its input panel held, for the charts.
    void keepRunNotes(std::vector<Note> notes, std::size_t inputHash);
    std::vector<LineMark> runNoteMarks() const;
    std::size_t inputPanelHash() const;
    void layOutInputName();
    void shutDown();
    void showOpenedInput(const std::optional<OpenedInput>& opened);
    ProcessRequest processRequest() const;
    ToolContext toolContext();
    std::string rowsText() const;
    PanelReading chartReading() const;
    std::optional<double> pageLatitude() const;
    void showChart(ChartRequest request, QPlainTextEdit* panel);
    void closeChartWindows();
    // Applies a template command to the rows box and the slots, then shows
    // them again whatever the outcome.
    template <typename Command> void changeColumnSettings(Command&& command);

    Messenger& messenger_;
    FileDialogs& fileDialogs_;
    DesktopOpener& desktopOpener_;
    FrameState frame_;
    std::unique_ptr<TemplateStore> templates_;
    bool shutDown_ = false;

    QPushButton* openButton_ = nullptr;
    InputNameBox* nameBox_ = nullptr;
    QPushButton* explorerButton_ = nullptr;
    InputGroup* inputGroup_ = nullptr;
    TemplateComboBox* templateBox_ = nullptr;
    MissingValueGroup* missingGroup_ = nullptr;
    TaskGroup* taskGroup_ = nullptr;
    OutputGroup* outputGroup_ = nullptr;
    ElasticScaler* scaler_ = nullptr;
    NotesStrip* notesStrip_ = nullptr;
    ProgramSettings settings_;
    std::vector<Note> runNotes_;
    std::size_t runInputHash_ = 0;
    bool stripShowsSuggestion_ = false;

    QMenu* controlMenu_ = nullptr;
    QAction* elastic_ = nullptr;
    QAction* horizontalScroll_ = nullptr;
    QAction* enableSpacer_ = nullptr;
    QAction* plausibilityNotes_ = nullptr;
};

} // namespace climora
