// SPDX-License-Identifier: MIT
#pragma once

// The operating-system services the program uses, as interfaces: the core
// calls these, main() builds the real backends, tests build fakes.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace varnholt {

using Date = std::chrono::year_month_day;

// What a commit did: wrote the keys, or failed for the reason given, in words for the user.
struct CommitResult {
    std::optional<std::string> failure;

    explicit operator bool() const { return !failure; }
};

// Per-user key-value store of the application "Kestle\Varnholt".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Takes in the keys as they are now; a load calls it first, so that all its
    // keys come from one moment and a change by another program is seen.
    virtual void refresh() const = 0;

    // The stored text, or nothing when the key (or its section) is absent.
    virtual std::optional<std::string> value(const std::string& section, const std::string& key) const = 0;
    // Creates or replaces one key; never removes others.
    virtual void saveSetting(const std::string& section, const std::string& key, const std::string& text) = 0;
    // Makes the saved keys durable in one step.
    virtual CommitResult commit() = 0;
    // Where the keys are kept, as the user would look for it (a file's path).
    virtual std::string location() const = 0;

    std::string getSetting(const std::string& section, const std::string& key, const std::string& fallback) const
    {
        return value(section, key).value_or(fallback);
    }
};

// A moment as seconds since 1970 and the nanoseconds within the second: 64-bit
// seconds reach every date from 1753 to 9999, which 64-bit nanoseconds do not.
struct Instant {
    std::int64_t seconds = 0;
    std::int32_t nanoseconds = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual Instant now() const = 0;
    // The local calendar date of now().
    virtual Date today() const = 0;
};

// The user's date forms and text-to-date conversion.
class DateForms {
public:
    virtual ~DateForms() = default;
    virtual std::string shortText(Date date) const = 0;
    virtual std::string longText(Date date) const = 0;
    // Accepts the short form and ISO yyyy-MM-dd; nothing when the text is no valid date.
    virtual std::optional<Date> parse(const std::string& text) const = 0;
};

enum class MessageIcon { None, Critical, Information };

struct ScreenMetrics {
    std::int32_t widthPixels = 0;
    std::int32_t heightPixels = 0;
    double twipsPerPixelX = 15.0;
    double twipsPerPixelY = 15.0;
};

// How this system writes file paths: "/" and the root "/" on Linux; "\", "C:\" and "C:" on Windows.
struct PathStyle {
    char separator{};
    std::string defaultFolder; // the picture folder before one is chosen
    std::string defaultDrive;

    // The folder with one separator at its end: an empty folder becomes the separator alone.
    std::string withSeparator(std::string folder) const
    {
        if (folder.empty() || folder.back() != separator)
            folder += separator;
        return folder;
    }
};

class Platform {
public:
    virtual ~Platform() = default;

    // A top-level window whose title equals the text exactly.
    virtual bool findWindow(const std::string& title) const = 0;
    virtual void activateWindow(const std::string& title) = 0;
    // True when another instance of this program already runs.
    virtual bool anotherInstanceRunning() = 0;
    // Claims the settings dialog for this process until it ends; false when another process has.
    virtual bool claimSettingsDialog() = 0;
    virtual ScreenMetrics screen() const = 0;
    // Client size in pixels of a foreign window; nothing when the id names no window.
    virtual std::optional<std::pair<std::int32_t, std::int32_t>> windowClientSize(std::uint32_t window) const = 0;

    // Raises (true) or lowers (false) the cursor display counter; returns the new count.
    virtual int showCursor(bool show) = 0;
    virtual void setScreenSaverRunning(bool running) = 0;

    // Captioned with the program title, OK button only. Lines are separated by CR LF.
    virtual void messageBox(const std::string& text, MessageIcon icon) = 0;
    virtual void beep() = 0;

    // Opens a file or address with the desktop's default application; no shell in between.
    virtual void shellOpen(const std::string& target) = 0;

    // The name endings (lower case, without the dot) of the picture files this system loads.
    virtual std::vector<std::string> pictureFileTypes() const = 0;
    virtual PathStyle pathStyle() const = 0;
};

// Where the program quietly does something other than asked: a trace for a user's report, never shown.
class Log {
public:
    virtual ~Log() = default;
    virtual void warning(const std::string& text) = 0;
};

} // namespace varnholt
