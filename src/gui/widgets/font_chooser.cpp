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
    cboFace = new QFontComboBox(this);
    cboFace->setObjectName(QStringLiteral("cboFace"));
    cboFace->setCurrentFont(QFont(QString::fromStdString(preset.face)));
    // A face that is not installed keeps its name until the user picks another.
    cboFace->setEditText(QString::fromStdString(preset.face));
    spnSize = new QDoubleSpinBox(this);
    spnSize->setObjectName(QStringLiteral("spnSize"));
    spnSize->setRange(FontSizeMinimum, FontSizeMaximum);
    spnSize->setDecimals(1);
    spnSize->setSingleStep(0.5);
    spnSize->setValue(preset.size);
    chkBold = makeCheckBox("chkBold", QStringLiteral("Bold"), preset.bold, this);
    chkItalic = makeCheckBox("chkItalic", QStringLiteral("Italic"), preset.italic, this);
    chkStrikeout = makeCheckBox("chkStrikeout", QStringLiteral("Strikeout"), preset.strikeout, this);
    chkUnderline = makeCheckBox("chkUnderline", QStringLiteral("Underline"), preset.underline, this);
    cmdColour = new QPushButton(this);
    cmdColour->setObjectName(QStringLiteral("cmdColour"));
    lblSample = new QLabel(QStringLiteral("AaBbYyZz 0123"), this);
    lblSample->setObjectName(QStringLiteral("lblSample"));
    lblSample->setAlignment(Qt::AlignCenter);
    lblSample->setMinimumHeight(64);
    showColour();
    connect(cmdColour, &QPushButton::clicked, this, &FontChooser::onColourClicked);
    connect(cboFace, &QFontComboBox::currentTextChanged, this, &FontChooser::showSample);
    connect(spnSize, &QDoubleSpinBox::valueChanged, this, &FontChooser::showSample);
    for (QCheckBox* box : {chkBold, chkItalic, chkStrikeout, chkUnderline})
        connect(box, &QCheckBox::toggled, this, &FontChooser::showSample);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Font:"), cboFace);
    form->addRow(QStringLiteral("Size:"), spnSize);
    form->addRow(QStringLiteral("Effects:"), chkBold);
    for (QCheckBox* box : {chkItalic, chkStrikeout, chkUnderline})
        form->addRow(QString(), box);
    form->addRow(QStringLiteral("Colour:"), cmdColour);
    form->addRow(QStringLiteral("Sample:"), lblSample);
    form->addRow(buttons);
}

FontChoice FontChooser::choice() const
{
    return {cboFace->currentText().toStdString(),
            spnSize->value(),
            m_colour,
            chkBold->isChecked(),
            chkItalic->isChecked(),
            chkStrikeout->isChecked(),
            chkUnderline->isChecked()};
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
    lblSample->setFont(font);
    setTextColour(lblSample, colourFromStored(m_colour));
}

void FontChooser::showColour()
{
    const QColor colour = colourFromStored(m_colour);
    cmdColour->setText(colour.name());
    cmdColour->setStyleSheet(
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
