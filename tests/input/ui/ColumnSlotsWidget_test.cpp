#include "input/ui/ColumnSlotsWidget.h"
#include "testing/ui/ReadableBox.h"

#include <gtest/gtest.h>

using namespace climora;
using climora::testing::expectWholeText;
using climora::testing::expectWideEnoughList;
using climora::testing::textField;

// At the usual 62-pixel width every variable and unit can be read (and
// "SunHr" told from "SunHr%"), closed and open, in the part of the box
// that the next slot's box does not cover.
TEST(ColumnSlotTexts, EveryVariableAndUnitReadsWhole) {
    ColumnSlotsWidget slotsWidget;
    slotsWidget.show();
    QComboBox* variable = slotsWidget.variableBox(0);
    QComboBox* unit = slotsWidget.unitBox(0);
    ASSERT_EQ(variable->width(), 62);
    for (QComboBox* box : {variable, unit})
        EXPECT_LT(box->x() + textField(box).right(), slotsWidget.variableBox(1)->x());
    expectWideEnoughList(variable);
    for (int v = 0; v < variable->count(); ++v) {
        variable->setCurrentIndex(v);
        expectWholeText(variable);
        if (unit->count() > 0)
            expectWideEnoughList(unit);
        for (int u = 0; u < unit->count(); ++u) {
            unit->setCurrentIndex(u);
            expectWholeText(unit);
        }
    }
}
