// SPDX-License-Identifier: MIT
#include "gui/widgets/font_chooser.h"

#include "gui/widgets/palette.h"
#include "gui/widgets/text_style.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace varnholt {

namespace {

QCheckBox* makeCheckBox(const char* name, const QString& caption, bool checked, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

// The colour chooser, titled as the buttons that open it say: nothing when cancelled.
std::optional<std::int32_t> chooseColourFrom(std::int32_t preset, QWidget* parent)
{
    const QColor colour = QColorDialog::getColor(colourFromStored(preset), parent, QStringLiteral("Colour"));
    return colour.isValid() ? std::optional(storedFromColour(colour)) : std::nullopt;
}

} // namespace

FontChooser::FontChooser(const FontChoice& preset, QWidget* parent) : QDialog(parent), m_colour(preset.colour)
{
    setObjectName(QStringLiteral("FontChooser"));
    setWindowTitle(QStringLiteral("Font"));
    m_ui.cboFace = new QFontComboBox(this);
    m_ui.cboFace->setObjectName(QStringLiteral("cboFace"));
    m_ui.cboFace->setCurrentFont(QFont(QString::fromStdString(preset.face)));
    // A face that is not installed keeps its name until the user picks another.
    m_ui.cboFace->setEditText(QString::fromStdString(preset.face));
    m_ui.spnSize = new QDoubleSpinBox(this);
    m_ui.spnSize->setObjectName(QStringLiteral("spnSize"));
    m_ui.spnSize->setRange(FontSizeMinimum, FontSizeMaximum);
    m_ui.spnSize->setDecimals(1);
    m_ui.spnSize->setSingleStep(0.5);
    m_ui.spnSize->setValue(preset.size);
    m_ui.chkBold = makeCheckBox("chkBold", QStringLiteral("Bold"), preset.bold, this);
    m_ui.chkItalic = makeCheckBox("chkItalic", QStringLiteral("Italic"), preset.italic, this);
    m_ui.chkStrikeout = makeCheckBox("chkStrikeout", QStringLiteral("Strikeout"), preset.strikeout, this);
    m_ui.chkUnderline = makeCheckBox("chkUnderline", QStringLiteral("Underline"), preset.underline, this);
    m_ui.cmdColour = new QPushButton(this);
    m_ui.cmdColour->setObjectName(QStringLiteral("cmdColour"));
    m_ui.lblSample = new QLabel(QStringLiteral("AaBbYyZz 0123"), this);
    m_ui.lblSample->setObjectName(QStringLiteral("lblSample"));
    m_ui.lblSample->setAlignment(Qt::AlignCenter);
    m_ui.lblSample->setMinimumHeight(64);
    showColour();
    connect(m_ui.cmdColour, &QPushButton::clicked, this, &FontChooser::onColourClicked);
    connect(m_ui.cboFace, &QFontComboBox::currentTextChanged, this, &FontChooser::showSample);
    connect(m_ui.spnSize, &QDoubleSpinBox::valueChanged, this, &FontChooser::showSample);
    for (QCheckBox* box : {m_ui.chkBold, m_ui.chkItalic, m_ui.chkStrikeout, m_ui.chkUnderline})
        connect(box, &QCheckBox::toggled, this, &FontChooser::showSample);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Font:"), m_ui.cboFace);
    form->addRow(QStringLiteral("Size:"), m_ui.spnSize);
    form->addRow(QStringLiteral("Effects:"), m_ui.chkBold);
    for (QCheckBox* box : {m_ui.chkItalic, m_ui.chkStrikeout, m_ui.chkUnderline})
        form->addRow(QString(), box);
    form->addRow(QStringLiteral("Colour:"), m_ui.cmdColour);
    form->addRow(QStringLiteral("Sample:"), m_ui.lblSample);
    form->addRow(buttons);
}

FontChoice FontChooser::choice() const
{
    return {m_ui.cboFace->currentText().toStdString(),
            m_ui.spnSize->value(),
            m_colour,
            m_ui.chkBold->isChecked(),
            m_ui.chkItalic->isChecked(),
            m_ui.chkStrikeout->isChecked(),
            m_ui.chkUnderline->isChecked()};
}

void FontChooser::onColourClicked()
{
    if (const std::optional<std::int32_t> colour = chooseColourFrom(m_colour, this)) {
        m_colour = *colour;
        showColour();
    }
}

void FontChooser::showSample()
{
    const FontChoice chosen = choice();
    QFont font(QString::fromStdString(chosen.face));
    font.setPointSizeF(chosen.size);
    font.setBold(chosen.bold);
    font.setItalic(chosen.italic);
    font.setStrikeOut(chosen.strikeout);
    font.setUnderline(chosen.underline);
    m_ui.lblSample->setFont(font);
    setTextColour(m_ui.lblSample, colourFromStored(m_colour));
}

void FontChooser::showColour()
{
    const QColor colour = colourFromStored(m_colour);
    m_ui.cmdColour->setText(colour.name());
    m_ui.cmdColour->setStyleSheet(
        QStringLiteral("background-color: %1; color: %2")
            .arg(colour.name(), colour.lightness() < 128 ? QStringLiteral("white") : QStringLiteral("black")));
    showSample();
}

std::optional<FontChoice> DialogChoosers::chooseFont(const FontChoice& preset)
{
    FontChooser chooser(preset, m_parent);
    if (chooser.exec() != QDialog::Accepted)
        return preset;
    return chooser.choice();
}

std::optional<std::int32_t> DialogChoosers::chooseColour(std::int32_t preset)
{
    return chooseColourFrom(preset, m_parent).value_or(preset);
}

} // namespace varnholt
