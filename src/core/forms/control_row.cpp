// SPDX-License-Identifier: MIT
#include "core/forms/control_row.h"

#include <algorithm>
#include <map>
#include <set>

namespace varnholt {

namespace {

bool holdsControls(ControlKind kind)
{
    return kind == ControlKind::Frame || kind == ControlKind::Box || kind == ControlKind::Panel;
}

bool fits(ControlKind kind, ControlKind parent)
{
    return kind == ControlKind::Tab ? parent == ControlKind::TabStrip : holdsControls(parent);
}

} // namespace

std::string tableMistakes(std::span<const ControlRow> rows, std::span<const std::string_view> tabOrder)
{
    std::string mistakes;
    const auto note = [&](std::string_view name, std::string_view what) {
        mistakes.append(name).append(": ").append(what).append("\n");
    };
    if (rows.empty() || rows.front().kind != ControlKind::Form)
        note(rows.empty() ? "" : rows.front().name, "the table does not begin with its window");
    std::set<std::string_view> names;
    std::map<std::string_view, ControlKind> made;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ControlRow& row = rows[i];
        if (row.name.empty())
            note(row.name, "no name");
        else if (!names.insert(row.name).second)
            note(row.name, "named twice");
        if (i > 0 && row.kind == ControlKind::Form)
            note(row.name, "a second window");
        const auto parent = made.find(row.parent);
        if (!row.parent.empty() && (parent == made.end() || !fits(row.kind, parent->second)))
            note(row.name, "its parent is no frame made before it");
        else if (row.kind == ControlKind::Tab && row.parent.empty())
            note(row.name, "a tab in no tab strip");
        if (row.rect.width < 0 || row.rect.height < 0)
            note(row.name, "a box of negative size");
        made.emplace(row.name, row.kind);
    }
    for (const std::string_view name : tabOrder) {
        if (!std::ranges::any_of(rows, [&](const ControlRow& row) { return row.name == name; }))
            note(name, "in the tab order, not in the table");
    }
    return mistakes;
}

} // namespace varnholt
