// SPDX-License-Identifier: MIT
#pragma once

#include "core/forms/control_row.h"
#include "gui/widgets/text_style.h"
#include "gui/widgets/twips_geometry.h"

#include <QFont>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace varnholt {

// The 8-point face of the dialogs' controls.
QFont controlFont();

// What the controls of one window share.
struct FormLook {
    QFont font = controlFont();
    Qt::Alignment labelAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    // Off where Enter is typed in text boxes: an auto-default button becomes the default and takes Enter from them.
    bool autoDefaultButtons = true;
};

// Makes a window's controls from its layout table.
class FormBuilder final {
public:
    using CustomMaker = std::function<QWidget*(const ControlRow& row, QWidget* parent)>;

    FormBuilder(QWidget& window, const TwipsGeometry& twips, FormLook look = {});

    // In table order, which is also the order of stacking and of the focus chain; a frame comes before its controls.
    void build(std::span<const ControlRow> rows, const CustomMaker& makeCustom = {});

    template <typename Widget>
    Widget* get(std::string_view name) const
    {
        auto* widget = qobject_cast<Widget*>(control(name));
        if (!widget)
            wrongKind(name);
        return widget;
    }

    // The members from the controls named name0, name1, ..., beginning at members[first].
    template <typename Widget, std::size_t N>
    void fill(std::array<Widget*, N>& members, std::string_view name, std::size_t first = 0) const
    {
        for (std::size_t i = first; i < N; ++i)
            members[i] = get<Widget>(std::string(name) + std::to_string(i));
    }

    // Each member gets the control of its own name; an array gets name0, name1, ...
    // Called through BIND_CONTROLS, which spells the names.
    template <typename... Members>
    void bind(std::string_view names, Members&... members) const
    {
        std::size_t at = 0;
        (bindOne(nextName(names, at), members), ...);
    }

private:
    template <typename Widget>
    void bindOne(std::string_view name, Widget*& member) const
    {
        member = get<Widget>(name);
    }
    template <typename Widget, std::size_t N>
    void bindOne(std::string_view name, std::array<Widget*, N>& members) const
    {
        fill(members, name);
    }
    static std::string_view nextName(std::string_view names, std::size_t& at);
    QWidget* make(const ControlRow& row, QWidget* parent, const CustomMaker& makeCustom) const;
    void applyLook(QWidget* widget, const ControlRow& row) const;
    QWidget* control(std::string_view name) const;
    [[noreturn]] static void wrongKind(std::string_view name);

    QWidget& m_window;
    TwipsGeometry m_twips;
    FormLook m_look;
    std::map<std::string, QWidget*, std::less<>> m_controls;
};

// Tab moves through the controls named, in that order.
void chainTabs(const QWidget& window, std::span<const std::string_view> names);

// C++ cannot name a member by itself: the list is spelled once, as members and as names.
#define BIND_CONTROLS(form, ...) (form).bind(#__VA_ARGS__, __VA_ARGS__)

} // namespace varnholt
