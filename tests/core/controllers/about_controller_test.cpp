// SPDX-License-Identifier: MIT
#include "core/controllers/about_controller.h"

#include "core/program/about_texts.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <functional>

using namespace varnholt;
using namespace varnholt::test;

namespace {

class RecordingView final : public AboutView {
public:
    std::vector<std::string> calls;

    void showText(std::string_view control, const std::string& text) override
    {
        calls.push_back(std::string(control) + " " + text);
    }
    void showChecked(std::string_view, bool) override { calls.push_back("checked"); }
    void showEnabled(std::string_view, bool) override { calls.push_back("enabled"); }
    void showVisible(std::string_view, bool) override { calls.push_back("visible"); }
    void showMessage(const std::string& text, MessageIcon) override { calls.push_back("message " + text); }
    void beep() override { calls.push_back("beep"); }
    void showCaption(const std::string& caption) override { calls.push_back("caption " + caption); }
    void closeAccepted() override { calls.push_back("close"); }
};

const std::vector<std::string> Texts = {
    "caption About - Varnholt ScreenSaver",
    "lblTitle Varnholt ScreenSaver",
    "lblVersion Version 3.0",
    "lblCopyRight Copyright \u00a9 Kestle",
    "lblDate Copyright 2031",
    "lblDescription " + descriptionText(),
    "lblContact " + contactText(),
    "lblEmail Email: support@kestle.example",
};

struct Row {
    const char* event;
    std::function<void(AboutController&)> send;
    std::vector<std::string> calls;
    std::vector<std::string> opened;
};

TEST(AboutControllerTest, EventsTextsAndWhatOpens)
{
    std::vector<std::string> inYear812 = Texts;
    inYear812[4] = "lblDate Copyright 0812";
    const Row rows[] = {
        {"opened", [](AboutController& c) { c.opened(); }, Texts, {}},
        {"opened in 812", [](AboutController& c) { c.opened(); }, inYear812, {}},
        {"read-me", [](AboutController& c) { c.readMeClicked(); }, {}, {"/opt/k/ReadMe.rtf"}},
        {"web site", [](AboutController& c) { c.webSiteClicked(); }, {"close"}, {"https://kestle.example/"}},
        {"e-mail", [](AboutController& c) { c.emailClicked(); }, {"close"}, {"mailto:support@kestle.example"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.event);
        FakeServices fakes;
        fakes.clock.date = std::string(row.event) == "opened in 812" ? ymd(812, 1, 1) : ymd(2031, 12, 31);
        RecordingView view;
        AboutController controller(view, fakes.platform, fakes.clock, "/opt/k/ReadMe.rtf");
        row.send(controller);
        EXPECT_EQ(view.calls, row.calls);
        EXPECT_EQ(fakes.platform.opened, row.opened);
    }
}

} // namespace
