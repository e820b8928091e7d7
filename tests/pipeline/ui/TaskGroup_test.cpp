#include "pipeline/ui/ActivityGaugeWidget.h"
#include "pipeline/ui/TaskGroup.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace climora;

namespace {

struct Group {
    TaskGroup group;
    TaskList* list = group.findChild<TaskList*>("taskList");
    QCheckBox* convert = group.findChild<QCheckBox*>("convertBox");
    QStackedWidget* pages = group.findChild<QStackedWidget*>("taskPages");
};

} // namespace

TEST(TaskGroup, ListsTheSevenTasksAndStartsOnTheFirst) {
    Group g;
    ASSERT_NE(g.list, nullptr);
    ASSERT_EQ(g.list->count(), 7);
    // The program's own wording, its missing blank included.
    EXPECT_EQ(g.list->itemText(6),
              "7, Estimate alfalfa-referenced ETr usingFAO Penman-Monteith method");
    EXPECT_EQ(g.group.task(), 1);
    EXPECT_EQ(g.pages->currentWidget()->objectName(), "task1");
    EXPECT_FALSE(g.convert->isEnabled());
    EXPECT_FALSE(g.convert->isChecked());
    EXPECT_FALSE(g.group.gauge().isVisibleTo(&g.group));
}

TEST(TaskGroup, EstimatingTasksEnableAndCheckTheConvertBoxOthersClearIt) {
    Group g;
    g.group.selectTask(5);
    EXPECT_EQ(g.pages->currentWidget()->objectName(), "Task5");
    EXPECT_TRUE(g.group.convertEnabled());
    EXPECT_TRUE(g.group.convertChecked());
    g.convert->setChecked(false);
    g.group.selectTask(5); // the same item again changes nothing ...
    EXPECT_FALSE(g.group.convertChecked());
    g.list->hidePopup(); // ... but closing the list checks the box again
    EXPECT_TRUE(g.group.convertChecked());

    g.group.selectTask(3);
    EXPECT_EQ(g.pages->currentWidget()->objectName(), "task3");
    EXPECT_FALSE(g.group.convertEnabled());
    EXPECT_FALSE(g.group.convertChecked());
    g.group.selectTask(2);
    EXPECT_EQ(g.pages->currentWidget()->objectName(), "Task2");
    EXPECT_FALSE(g.group.convertEnabled());
}

TEST(TaskGroup, PagesOfEstimatingTasksCanBeReplaced) {
    Group g;
    auto* settings = new QLabel("settings");
    g.group.selectTask(6);
    g.group.setPageWidget(6, settings);
    EXPECT_EQ(g.group.page(6), settings);
    EXPECT_EQ(g.pages->currentWidget(), settings);
    EXPECT_EQ(settings->objectName(), "task6");
    EXPECT_EQ(g.pages->count(), 7);
    g.group.setPageWidget(2, new QLabel("no")); // tasks 1 to 3 keep their pages
    EXPECT_EQ(g.group.page(2)->objectName(), "Task2");
}

TEST(TaskGroup, ProcessButtonShowsDoneForAWhile) {
    Group g;
    g.group.setDoneDuration(std::chrono::milliseconds(1));
    QSignalSpy clicks(&g.group, &TaskGroup::processClicked);
    g.group.processButton()->click();
    EXPECT_EQ(clicks.count(), 1);
    g.group.showDone();
    EXPECT_EQ(g.group.processButton()->text(), "It is Done");
    EXPECT_EQ(g.group.processButton()->palette().color(QPalette::ButtonText), QColor(Qt::red));
    QTRY_COMPARE_WITH_TIMEOUT(g.group.processButton()->text(), QString("Step 4: Process"), 5000);
    EXPECT_EQ(g.group.processButton()->palette().color(QPalette::ButtonText), QColor(Qt::blue));
}

TEST(ActivityGaugeWidget, WrapsAfterAThousandSteps) {
    ActivityGaugeWidget gauge;
    ActivityGauge& port = gauge;
    port.show();
    EXPECT_TRUE(gauge.isVisible());
    for (int i = 0; i < 999; ++i)
        port.step();
    EXPECT_EQ(gauge.position(), 999);
    port.step();
    EXPECT_EQ(gauge.position(), 0);
    port.hide();
    EXPECT_FALSE(gauge.isVisible());
}
