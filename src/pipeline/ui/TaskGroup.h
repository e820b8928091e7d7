#pragma once

#include <QComboBox>
#include <QGroupBox>

#include <chrono>
#include <vector>

class QCheckBox;
class QPushButton;
class QStackedWidget;

namespace climora {

class ActivityGaugeWidget;
class EstimationPage;
struct EstimationSettings;

// The task list; it tells when its list closes, even on the same item.
// The closed box is two lines high and wraps the chosen task's text, so the
// long items read whole in a narrow box.
class TaskList : public QComboBox {
    Q_OBJECT
  public:
    explicit TaskList(QWidget* parent = nullptr);
    void hidePopup() override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  signals:
    void listClosed();
};

// "Step 3: Select task": the task list, one page per task (switched by the
// list only), "Convert and rearrange for Agrovia use", the Process button and
// the activity gauge beside it.
class TaskGroup : public QGroupBox {
    Q_OBJECT
  public:
    explicit TaskGroup(QWidget* parent = nullptr);

    // 1..7, 0 when the list has no selection.
    int task() const;
    void selectTask(int task);
    bool convertEnabled() const;
    bool convertChecked() const;

    // Puts the settings of an estimating task (4..7) on its page.
    void setPageWidget(int task, QWidget* page);
    void setEstimationPage(int task, EstimationPage* page);
    QWidget* page(int task) const;
    // Every estimating page's settings, read into one set.
    void readEstimationSettings(EstimationSettings& settings) const;

    QPushButton* processButton() const { return process_; }
    ActivityGaugeWidget& gauge() const { return *gauge_; }

    // The end of a completed run: "It is Done" in red for a second, then
    // the usual caption in blue again.
    void showDone();
    // How long "It is Done" stays (a second; tests shorten it).
    void setDoneDuration(std::chrono::milliseconds duration) { doneDuration_ = duration; }

  signals:
    void processClicked();
    // A help button on an estimating page.
    void helpRequested(int topic);

  private:
    void taskChosen();
    static void wrapTexts(QWidget* page);

    TaskList* taskList_;
    QStackedWidget* pages_;
    QCheckBox* convert_;
    QPushButton* process_;
    ActivityGaugeWidget* gauge_;
    std::vector<EstimationPage*> estimationPages_;
    std::chrono::milliseconds doneDuration_{1000};
};

// The task list's items, in order.
const QStringList& taskItems();

} // namespace climora
