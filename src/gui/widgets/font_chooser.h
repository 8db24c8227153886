// SPDX-License-Identifier: MIT
#pragma once

#include "core/program/dialog_state.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class QCheckBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLabel;
class QPushButton;

namespace varnholt {

// The font and colour choosers of the settings dialog. Cancel delivers the
// preset; nothing means the chooser failed.
class Choosers {
public:
    virtual ~Choosers() = default;
    virtual std::optional<FontChoice> chooseFont(const FontChoice& preset) = 0;
    virtual std::optional<std::int32_t> chooseColour(std::int32_t preset) = 0;
};

// A font chooser with the effects group: face, size in half points, colour,
// bold, italic, strikeout and underline.
class FontChooser final : public QDialog {
    Q_OBJECT

public:
    explicit FontChooser(const FontChoice& preset, QWidget* parent = nullptr);

    FontChoice choice() const;

private:
    struct Controls {
        QFontComboBox* cboFace;
        QDoubleSpinBox* spnSize;
        QCheckBox* chkBold;
        QCheckBox* chkItalic;
        QCheckBox* chkStrikeout;
        QCheckBox* chkUnderline;
        QPushButton* cmdColour;
        QLabel* lblSample; // a line in the chosen face, size, style and colour
    };

    void onColourClicked();
    void showColour();
    void showSample();

    Controls m_ui{};
    std::int32_t m_colour;
};

// The choosers as modal dialogs over the given window.
class DialogChoosers final : public Choosers {
public:
    explicit DialogChoosers(QWidget* parent) : m_parent(parent) {}
    std::optional<FontChoice> chooseFont(const FontChoice& preset) override;
    std::optional<std::int32_t> chooseColour(std::int32_t preset) override;

private:
    QWidget* m_parent;
};

} // namespace varnholt
