#pragma once

#include "base/FileDialogs.h"
#include "base/FrameState.h"
#include "base/Messenger.h"
#include "output/DesktopOpener.h"
#include "output/ExportLayout.h"
#include "pipeline/OutputPanel.h"
#include "pipeline/WeatherFileUpdate.h"

#include <QGroupBox>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace climora {

// The "Output" group of the main window: the output panel and its four
// commands. Save and the spreadsheet hand-off run here; loading back and the
// update need the main window's state and are handed to it by signals.
class OutputGroup : public QGroupBox {
    Q_OBJECT
  public:
    OutputGroup(FrameState& frame, Messenger& messenger, FileDialogs& dialogs,
                DesktopOpener& opener, QWidget* parent = nullptr);

    QPlainTextEdit* panel() const { return memo2_; }
    // The panel as a Process run fills and edits it.
    OutputPanel& runPanel() { return runPanel_; }
    std::vector<std::string> outputLines() const;
    void setOutputLines(const std::vector<std::string>& lines);
    void clearOutput();

    // Where "Save" reads the input-name box (its suggestion comes from it).
    void setInputNameSource(std::function<std::string()> source) { inputName_ = std::move(source); }

    // Updates an existing weather file with the panel's text; for the
    // "Update Agrovia weather file" button (with the selected task) and at
    // the end of a task 2 run.
    UpdateOutcome updateWeatherFile(int task);

    // The days of the conversion now in the panel, for "Export...": kept
    // until the panel changes, and the button enabled while they are.
    void keepRun(KeptRun run);
    const std::optional<KeptRun>& keptRun() const { return kept_; }

  signals:
    // "Load back to input panel": the main window puts the lines into the
    // input panel and the name into the input-name box; the output panel is
    // already empty when this arrives.
    void loadBackRequested(const QString& inputName, const QStringList& lines);
    // "Update Agrovia weather file" was pressed; the main window answers with
    // updateWeatherFile(current task).
    void updateRequested();
    // "Chart": the main window charts the panel's rows.
    void chartRequested();
    // The update met a number it cannot read there; its error box follows.
    void numberUnreadable(const NumberPlace& place);

  private:
    // The output panel seen through the port a Process run writes to.
    class MemoPanel : public OutputPanel {
      public:
        explicit MemoPanel(OutputGroup& group) : group_(group) {}
        void clear() override { group_.clearOutput(); }
        void loadFile(const std::filesystem::path& file) override;
        void removeLines(long long first, long long count) override;
        void insertLine(long long index, const std::string& text) override;

      private:
        OutputGroup& group_;
    };

    QPushButton* addButton(const char* objectName, const QString& caption, const QString& hint);
    void save();
    void loadInSpreadsheet();
    void loadBack();
    void exportKeptRun();
    void dropKeptRun();
    // Runs a command, reporting an unexpected failure in an error box.
    void guarded(const std::function<void()>& command);

    FrameState& frame_;
    Messenger& messenger_;
    FileDialogs& dialogs_;
    DesktopOpener& opener_;
    std::function<std::string()> inputName_;
    QPlainTextEdit* memo2_;
    QPushButton* exportButton_ = nullptr;
    std::optional<KeptRun> kept_;
    MemoPanel runPanel_{*this};
};

} // namespace climora
