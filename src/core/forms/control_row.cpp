#include "core/forms/control_row.h"

#include <set>

namespace varnholt {

namespace {

bool holdsControls(ControlKind kind)
{
    return kind == ControlKind::Frame || kind == ControlKind::Box || kind == ControlKind::Panel;
}

} // namespace

std::string tableMistakes(std::span<const ControlRow> rows)
{
    std::string mistakes;
    const auto note = [&](std::string_view name, std::string_view what) {
        mistakes.append(name).append(": ").append(what).append("\n");
    };
    if (rows.empty() || rows.front().kind != ControlKind::Form)
        note(rows.empty() ? "" : rows.front().name, "the table does not begin with its window");
    std::set<std::string_view> names;
    std::set<std::string_view> containers;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ControlRow& row = rows[i];
        if (row.name.empty())
            note(row.name, "no name");
        else if (!names.insert(row.name).second)
            note(row.name, "named twice");
        if (i > 0 && row.kind == ControlKind::Form)
            note(row.name, "a second window");
        if (!row.parent.empty() && !containers.contains(row.parent))
            note(row.name, "its parent is no frame made before it");
        if (row.rect.width < 0 || row.rect.height < 0)
            note(row.name, "a box of negative size");
        if (holdsControls(row.kind))
            containers.insert(row.name);
    }
    return mistakes;
}

} // namespace varnholt
