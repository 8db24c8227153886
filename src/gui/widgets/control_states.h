// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"

#include <QWidget>

#include <string>
#include <string_view>

namespace varnholt {

// The child of `form` with that object name; the program ends when there is none.
QWidget* controlNamed(QWidget& form, std::string_view control);

// The FormView calls on Qt widgets, on the control named. Text goes to a line edit, a label or a button's caption.
void showControlText(QWidget& form, std::string_view control, const std::string& text);
void showControlChecked(QWidget& form, std::string_view control, bool checked);
void showControlEnabled(QWidget& form, std::string_view control, bool enabled);
void showControlVisible(QWidget& form, std::string_view control, bool visible);

// A window's view interface `View` (a FormView) over the window's own controls, message boxes and beep.
template <typename View>
class WidgetFormView : public View {
public:
    WidgetFormView(QWidget& form, Platform& platform) : m_form(form), m_platform(platform) {}

    void showText(std::string_view control, const std::string& text) override
    {
        showControlText(m_form, control, text);
    }
    void showChecked(std::string_view control, bool checked) override { showControlChecked(m_form, control, checked); }
    void showEnabled(std::string_view control, bool enabled) override { showControlEnabled(m_form, control, enabled); }
    void showVisible(std::string_view control, bool visible) override { showControlVisible(m_form, control, visible); }
    void showMessage(const std::string& text, MessageIcon icon) override { m_platform.messageBox(text, icon); }
    void beep() override { m_platform.beep(); }

private:
    QWidget& m_form;
    Platform& m_platform;
};

} // namespace varnholt
