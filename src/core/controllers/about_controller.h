// SPDX-License-Identifier: MIT
#pragma once

#include "core/controllers/form_view.h"

#include <string>
#include <utility>

namespace varnholt {

class AboutView : public FormView {
public:
    virtual void showCaption(const std::string& caption) = 0;
    // Closes the box as accepted.
    virtual void closeAccepted() = 0;
};

// The About box's texts and what its links and buttons open.
class AboutController final {
public:
    // readMe: the read-me file's path, as the desktop folder gives it.
    AboutController(AboutView& view, Platform& platform, const Clock& clock, std::string readMe)
        : m_view(view), m_platform(platform), m_clock(clock), m_readMe(std::move(readMe))
    {
    }

    // At every opening, so that the year follows the clock.
    void opened();
    void okClicked();
    void readMeClicked();
    void webSiteClicked();
    void emailClicked();

private:
    AboutView& m_view;
    Platform& m_platform;
    const Clock& m_clock;
    std::string m_readMe;
};

} // namespace varnholt
