// The passes that go through the rows while the extraction reads them leave
// the same work files, messages and gauge steps as the steps run one after
// another on the recorded rows.

#include "../pipeline/PipelineFixture.h"
#include "input/Task.h"
#include "methods/EstimationPass.h"
#include "methods/EstimationTasks.h"
#include "pipeline/Conversion.h"
#include "pipeline/ConversionPass.h"
#include "pipeline/DataCheckup.h"
#include "pipeline/RowExtraction.h"

using namespace climora;

namespace {

struct RunFiles {
    std::string input, estimates, output;
    std::vector<std::string> events;
    long long steps;
    bool operator==(const RunFiles&) const = default;
};

} // namespace

class StreamedPasses : public climora::testing::PipelineTest {
  protected:
    void prepare(int task) {
        columns({{Year, ""},
                 {DOY, ""},
                 {Solar, "Langley"},
                 {TMax, "oF"},
                 {TMin, "oF"},
                 {PanEvap, "inch"},
                 {RelHum, "%"},
                 {WndSpd, "mile/hr"}});
        input("Station\r\nUnits\r\n2005,1,300.5,50,30,0.12,60,4.5\r\n"
              "2005,2,-99,55.25,31,0.2,70,3\r\n2005,3,280,48,29.125,0.15,65,5\r\n",
              2);
        state = RunState{};
        state.task = task;
        state.rowsBeforeData = 2;
        state.columnCount = 8;
        state.convertAndRearrange = true;
        settings.task4Latitude = settings.task7Latitude = "40.8";
        settings.elevation = "300";
        messenger.clear();
        gauge.steps = 0;
        for (const char* name : {"Out.~", "Output.~"})
            std::filesystem::remove(work.file(name));
    }
    RunFiles files() {
        auto read = [this](const char* name) { return exists(name) ? file(name) : ""; };
        return {read("Input.~"), read("Out.~"), read("Output.~"), events(), gauge.steps};
    }
    // The steps one after another, the later ones replaying the recording.
    RunFiles stepByStep(int task) {
        prepare(task);
        extractDataRows(context, MissingValueSettings{});
        EXPECT_EQ(dataCheckup(context), CheckupResult::Clean);
        if (task == task::convert)
            convertRearrange(context);
        else if (task == task::solarFromTemperature)
            estimateSolarFromTemp(context);
        else if (task == task::etFromPan)
            ET_from_Evap(context);
        else
            ET_by_PM(context);
        return files();
    }
    RunFiles streamed(int task) {
        prepare(task);
        CheckupScreen checkup(context, {});
        std::optional<ConversionPass> conversion;
        std::optional<EstimationPass> estimation;
        std::vector<RowSink*> passes{&checkup};
        if (task == task::convert) {
            passes.push_back(&conversion.emplace(context));
        } else {
            std::unique_ptr<RowEstimator> estimator = estimatorBeforeRows(context);
            EXPECT_TRUE(estimator);
            passes.push_back(&estimation.emplace(context, std::move(estimator)));
        }
        extractDataRows(context, MissingValueSettings{}, {}, passes, false);
        EXPECT_EQ(checkup.announce(), CheckupResult::Clean);
        if (conversion)
            conversion->complete();
        else
            estimation->complete();
        return files();
    }
};

TEST_F(StreamedPasses, LeaveWhatTheStepsOneAfterAnotherLeave) {
    for (int task :
         {task::convert, task::solarFromTemperature, task::etFromPan, task::etPenmanMonteith}) {
        SCOPED_TRACE(task);
        RunFiles expected = stepByStep(task);
        ASSERT_FALSE(state.abort);
        EXPECT_EQ(streamed(task), expected);
        EXPECT_FALSE(exists("Convert.~") || exists("Checkup.~"));
    }
}
