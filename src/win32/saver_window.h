// SPDX-License-Identifier: MIT
#pragma once

#include "core/controllers/saver_controller.h"
#include "core/forms/twips.h"
#include "core/motion/movement_engine.h"
#include "core/program/program_state.h"
#include "win32/pictures.h"

#include <array>
#include <string>
#include <windows.h>

namespace varnholt {

class SaverRun;

// One saver window: over one monitor, or a child inside a preview host. It draws what the
// SaverController decides and hands it the input; its SaverRun runs the tick timer.
class SaverWindow final : private SaverWindowView {
public:
    // Laid out on layout (its size and twips per pixel), placed at area; a child of parent when given.
    SaverWindow(ProgramState& state, SaverRun& run, const ScreenMetrics& layout, const RECT& area, HWND parent);
    ~SaverWindow() override;
    SaverWindow(const SaverWindow&) = delete;
    SaverWindow& operator=(const SaverWindow&) = delete;

    HWND handle() const { return m_window; }
    SaverWindowView& view() { return *this; }
    // Runs that many ticks of the movement and draws the block where it ends up.
    void advance(std::int64_t ticks);
    // Over its monitor, on top, taking the input.
    void showCovering();
    void hide();
    void dropTopMost();
    // The whole window, drawn into any device context (the screen's, a printer's or a memory one).
    void paint(HDC dc, const RECT& area);
    // Its size and twips per pixel.
    const ScreenMetrics& layout() const { return m_twips.screen(); }

private:
    struct Line {
        std::wstring caption;
        HFONT font = nullptr;
        COLORREF colour = 0;
        RECT box{};
    };

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    Line& line(SaverLine which) { return m_lines[which == SaverLine::Title ? 0 : 1]; }
    const Line& line(SaverLine which) const { return m_lines[which == SaverLine::Title ? 0 : 1]; }
    RECT blockArea() const;
    // Laid out again at another DPI over another area, as when moved to another monitor.
    void relayOut(int dpiX, int dpiY, const RECT& area);
    void redraw(const RECT& area, bool now);
    PixelSize takePicture(Picture picture);
    void dropRendered();

    // SaverView
    void setLabelsCentred(bool centred) override;
    void rerunSetup() override;
    std::pair<std::int32_t, std::int32_t> pictureSize() const override;
    void movePicture(std::int32_t left, std::int32_t top) override;

    // SaverWindowView
    void showNoPicture() override;
    PixelSize loadDefaultPicture() override;
    PixelSize loadBuiltinPicture(int index) override;
    std::variant<PixelSize, PictureFault> loadPictureFile(const std::string& path) override;
    void showPicture(PixelSize shown) override;
    void showLine(SaverLine line, const std::string& caption, int fontEntry, std::optional<int> pointSize) override;
    LabelSize lineExtent(SaverLine line) const override;
    double lineHeight(SaverLine line) const override;
    void sizeLines(const TextLabels& sized) override;
    void showBackground(std::int32_t colour) override;
    TextBlockState& textBlock() override { return m_block; }
    void startFirstPath() override;

    ProgramState& m_state;
    SaverRun& m_run;
    TwipsGeometry m_twips;
    ScreenTwips m_screenTwips;
    TextBlockState m_block;
    MovementEngine m_engine;
    HWND m_window = nullptr;
    std::array<Line, 2> m_lines;
    bool m_centred = false;
    COLORREF m_background = 0;
    // The picture taken in last, then the one shown and where, and its pixels over the background.
    Picture m_taken;
    Picture m_shown;
    RECT m_pictureBox{};
    HBITMAP m_rendered = nullptr;
    POINT m_lastMouse{-1, -1};
    bool m_destroying = false;
};

} // namespace varnholt
