// SPDX-License-Identifier: MIT
#include "core/forms/control_row.h"

#include "core/forms/about_box_layout.h"
#include "core/forms/image_browser_layout.h"
#include "core/forms/settings_dialog_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace varnholt;

TEST(ControlRow, TablesOfTheWindowsHoldTogether)
{
    for (const auto table : {imageBrowserLayout(), aboutBoxLayout()})
        EXPECT_EQ(tableMistakes(table), "") << table.front().name;
    EXPECT_EQ(tableMistakes(settingsDialogLayout(), settingsDialogTabOrder()), "");
    const auto rows = settingsDialogLayout();
    const auto sample = std::ranges::find(rows, "lblSampleText", &ControlRow::name);
    ASSERT_NE(sample, rows.end());
    EXPECT_EQ(sample->rect.height, SampleTextHeight);
}

TEST(ControlRow, MistakesOfATable)
{
    using enum ControlKind;
    const ControlRow window{"frmTest", Form, "", "", {0, 0, 4500, 3000}};
    const ControlRow frame{"fraGroup", Frame, "Group", "", {120, 108, 3000, 1500}};
    const ControlRow label{"lblName", Label, "Name:", "", {180, 324, 1164, 252}, "fraGroup"};
    const ControlRow button{"cmdGo", Button, "Go", "", {1368, 288, 1000, 301}};
    const ControlRow strip{"tbsPages", TabStrip, "", "", {0, 0, 4500, 300}};
    struct Row {
        std::vector<ControlRow> table;
        const char* expected;
        std::vector<std::string_view> tabOrder{};
    };
    const std::vector<Row> rows{
        {{window, frame, label, button}, ""},
        {{frame, label}, "fraGroup: the table does not begin with its window\n"},
        {{}, ": the table does not begin with its window\n"},
        {{window, button, button}, "cmdGo: named twice\n"},
        {{window, {"", Label, "", "", {}}}, ": no name\n"},
        {{window, label, frame}, "lblName: its parent is no frame made before it\n"},
        {{window, button, {"lblIn", Label, "", "", {}, "cmdGo"}}, "lblIn: its parent is no frame made before it\n"},
        {{window, {"lblName", Label, "", "", {}, "fraNone"}}, "lblName: its parent is no frame made before it\n"},
        {{window, {"lblName", Label, "", "", {0, 0, -1, 252}}}, "lblName: a box of negative size\n"},
        {{window, window}, "frmTest: named twice\nfrmTest: a second window\n"},
        {{window, strip, {"tabOne", Tab, "One", "", {}, "tbsPages"}}, ""},
        {{window, frame, {"tabOne", Tab, "One", "", {}, "fraGroup"}},
         "tabOne: its parent is no frame made before it\n"},
        {{window, strip, {"lblIn", Label, "", "", {}, "tbsPages"}}, "lblIn: its parent is no frame made before it\n"},
        {{window, {"tabOne", Tab, "One", "", {}}}, "tabOne: a tab in no tab strip\n"},
        {{window, frame, button}, "cmdGone: in the tab order, not in the table\n", {"cmdGo", "cmdGone", "fraGroup"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(tableMistakes(row.table, row.tabOrder), row.expected) << row.table.size() << " rows";
}
