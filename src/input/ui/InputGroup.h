#pragma once

#include <QGroupBox>
#include <string>
#include <vector>

class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace climora {

class ColumnSlotsWidget;
class RowsBox;

// "Step 2: Specify input data": the input panel, the rows-before-data box,
// the 12 column slots, "Reset", "Suggest columns" and the spacer.
class InputGroup : public QGroupBox {
    Q_OBJECT
  public:
    explicit InputGroup(QWidget* parent = nullptr);

    QPlainTextEdit* panel() const { return panel_; }
    RowsBox* rowsBox() const { return rows_; }
    ColumnSlotsWidget* slotsWidget() const { return slots_; }
    QPushButton* resetButton() const { return reset_; }
    QPushButton* suggestButton() const { return suggest_; }
    QSpinBox* spacer() const { return spacer_; }
    QPushButton* chartButton() const { return chart_; }

    std::vector<std::string> panelLines() const;
    // Every replacement of the panel's text goes through these, so that
    // Ctrl+Z brings back the text replaced.
    void setPanelLines(const std::vector<std::string>& lines);
    void setPanelText(const QString& text);

    void setHorizontalScrollBar(bool shown);
    void setSpacerEnabled(bool enabled);
    // A place at the right of the rows box for the template drop-down.
    void addTemplateBox(QLabel* label, QWidget* box);

  signals:
    void resetPressed();
    void suggestPressed();
    // A file was dropped on the panel: it is to be opened, not pasted.
    void fileDropped(const QString& path);
    // "Chart input": the main window charts the panel's rows.
    void chartRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPlainTextEdit* panel_;
    RowsBox* rows_;
    ColumnSlotsWidget* slots_;
    QPushButton* reset_;
    QPushButton* chart_;
    QPushButton* suggest_;
    QLabel* spacerLabel_;
    QSpinBox* spacer_;
    QHBoxLayout* controlsRow_;
};

// The lines of a text shown in a panel, and back; an empty text is one
// empty line, as a new panel shows.
std::vector<std::string> linesOfText(const QString& text);
QString textOfLines(const std::vector<std::string>& lines);

} // namespace climora
