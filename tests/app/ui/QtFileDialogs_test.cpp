#include "app/ui/QtFileDialogs.h"

#include <gtest/gtest.h>

using namespace climora;

TEST(QtFilters, ConvertsPipeSeparatedFilters) {
    EXPECT_EQ(qtFilters("Text file (*.txt)|*.txt|All files|*.*"),
              (QStringList{"Text file (*.txt)", "All files (*.*)"}));
    EXPECT_EQ(qtFilters("Agrovia weather file (*.wth)|*.wth"),
              (QStringList{"Agrovia weather file (*.wth)"}));
}
