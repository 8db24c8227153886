// SPDX-License-Identifier: MIT
#pragma once

#include "core/program/program_state.h"
#include "gui/widgets/form_builder.h"
#include "platform/ini_store.h"
#include "support/fakes.h"

#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>
#include <span>
#include <string>
#include <utility>

namespace varnholt::test {

// A window over the program-wide state of the fakes, its controls found by their names.
class WindowHarness {
public:
    // With iniStore, the settings live in an INI file of a temporary folder instead of in memory.
    explicit WindowHarness(bool iniStore = false);

    SettingsStore& store();
    QString iniPath() const;
    // Stored before the window opens: not among the writes the window is judged by.
    void set(const char* section, const char* key, const std::string& text);
    // Several at once, as "key=value key=value".
    void set(const char* section, const QString& pairs);

    template <typename Window, typename... Args>
    Window& open(Args&&... args)
    {
        window = std::make_unique<Window>(state, std::forward<Args>(args)...);
        return static_cast<Window&>(*window);
    }

    template <typename Widget = QWidget>
    Widget* find(const char* name) const
    {
        auto* widget = window->findChild<Widget*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QString text(const char* name) const;
    bool shown(const char* name) const;
    // Clicks the named buttons, one after the other.
    void click(const QString& names) const;
    // Replaces a text box's text as a user does: select all, delete, type.
    void type(const char* name, const QString& text) const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<IniStore> m_ini;

public:
    FakeServices fakes;
    ProgramState state{Services{store(), fakes.clock, fakes.dates, fakes.platform, fakes.log}};
    std::unique_ptr<QWidget> window;
};

// What a built window gets wrong against its layout table, one line a mistake: a row's control missing or
// named twice, lying in another parent than the row's, or reaching out of it (lines may run past the sides).
QString layoutMistakes(const QWidget& window, std::span<const ControlRow> rows);

} // namespace varnholt::test
