// SPDX-License-Identifier: MIT
#include "win32/widgets/control_states.h"

#include "platform/win32/wide_text.h"

#include <stdexcept>

namespace varnholt {

std::string_view optionGroup(std::string_view name)
{
    return name.substr(0, name.find_last_not_of("0123456789") + 1);
}

int optionIndex(std::string_view name)
{
    const std::string_view digits = name.substr(optionGroup(name).size());
    return digits.empty() ? -1 : std::stoi(std::string(digits));
}

void showControlText(FormBuilder& form, std::string_view control, const std::string& text)
{
    HWND window = form.window(control);
    const std::wstring wide = wideText(text);
    std::wstring now(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    now.resize(std::size_t(GetWindowTextW(window, now.data(), int(now.size()))));
    if (now != wide)
        SetWindowTextW(window, wide.c_str());
}

void showControlChecked(FormBuilder& form, std::string_view control, bool checked)
{
    const ControlKind kind = form.control(control).row->kind;
    if (kind != ControlKind::Option && kind != ControlKind::CheckBox)
        throw std::logic_error("control " + std::string(control) + " has no check");
    if (kind == ControlKind::Option && checked)
        for (const std::string& other : form.names())
            if (other != control && optionGroup(other) == optionGroup(control))
                SendMessageW(form.window(other), BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageW(form.window(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

} // namespace varnholt
