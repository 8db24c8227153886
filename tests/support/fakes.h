// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/services.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace varnholt::test {

Date ymd(int year, unsigned month, unsigned day);

// A store in memory that records every write in order.
class MemoryStore final : public SettingsStore {
public:
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::pair<std::string, std::string>> writes; // section, key in write order
    int commits = 0;
    std::optional<std::string> refusal; // what commit answers, if it fails

    void refresh() const override {}
    std::optional<std::string> value(const std::string& section, const std::string& key) const override;
    void saveSetting(const std::string& section, const std::string& key, const std::string& text) override;
    CommitResult commit() override;
    std::string location() const override { return "memory"; }
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(Date date) : date(date) {}
    Date date;
    Instant now() const override;
    Date today() const override { return date; }
};

// dd/MM/yyyy short form and ISO, as the program uses in the C locale.
class DayFirstDates final : public DateForms {
public:
    std::string shortText(Date date) const override;
    std::string longText(Date date) const override;
    std::optional<Date> parse(const std::string& text) const override;
};

inline const PathStyle LinuxPaths{'/', "/", "/"};
inline const PathStyle WindowsPaths{'\\', "C:\\", "C:"};

struct RecordedMessage {
    std::string text;
    MessageIcon icon;
};

class RecordingPlatform final : public Platform {
public:
    std::vector<std::string> openWindows;      // titles findWindow sees
    mutable std::vector<std::string> lookedUp; // titles findWindow was asked for
    bool otherInstance = false;
    bool settingsClaimedElsewhere = false;
    ScreenMetrics metrics{1024, 768, 15.0, 15.0};
    int cursorCount = 0;
    bool saverRunning = false;
    std::vector<RecordedMessage> messages;
    std::vector<std::string> activated;
    std::vector<std::string> opened;
    int beeps = 0;
    std::vector<std::string> pictureTypes{"bmp", "gif", "jpeg", "jpg", "png", "wmf"};
    PathStyle paths = LinuxPaths;

    bool findWindow(const std::string& title) const override;
    void activateWindow(const std::string& title) override { activated.push_back(title); }
    bool anotherInstanceRunning() override { return otherInstance; }
    bool claimSettingsDialog() override { return !settingsClaimedElsewhere; }
    ScreenMetrics screen() const override { return metrics; }
    std::map<std::uint32_t, std::pair<std::int32_t, std::int32_t>> hostWindows; // id -> client size
    std::optional<std::pair<std::int32_t, std::int32_t>> windowClientSize(std::uint32_t window) const override;
    int showCursor(bool show) override { return cursorCount += show ? 1 : -1; }
    void setScreenSaverRunning(bool running) override { saverRunning = running; }
    void messageBox(const std::string& text, MessageIcon icon) override { messages.push_back({text, icon}); }
    void beep() override { ++beeps; }
    void shellOpen(const std::string& target) override { opened.push_back(target); }
    std::vector<std::string> pictureFileTypes() const override { return pictureTypes; }
    PathStyle pathStyle() const override { return paths; }
};

class RecordingLog final : public Log {
public:
    std::vector<std::string> warnings;
    void warning(const std::string& text) override { warnings.push_back(text); }
};

// A fresh program-wide state over the fakes.
struct FakeServices {
    MemoryStore store;
    FixedClock clock{ymd(2011, 3, 15)};
    DayFirstDates dates;
    RecordingPlatform platform;
    RecordingLog log;
};

} // namespace varnholt::test
