#include "gui/widgets/font_chooser.h"

#include "gui/widgets/text_style.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
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
    showColour();
    connect(cmdColour, &QPushButton::clicked, this, &FontChooser::onColourClicked);

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
    form->addRow(buttons);
}

FontChoice FontChooser::choice() const
{
    return {cboFace->currentText().toStdString(), spnSize->value(),         m_colour,
            chkBold->isChecked(),                 chkItalic->isChecked(),   chkStrikeout->isChecked(),
            chkUnderline->isChecked()};
}

void FontChooser::onColourClicked()
{
    const QColor colour = QColorDialog::getColor(colourFromStored(m_colour), this);
    if (colour.isValid()) {
        m_colour = storedFromColour(colour);
        showColour();
    }
}

void FontChooser::showColour()
{
    const QColor colour = colourFromStored(m_colour);
    cmdColour->setText(colour.name());
    cmdColour->setStyleSheet(QStringLiteral("background-color: %1; color: %2")
                                 .arg(colour.name(), colour.lightness() < 128 ? QStringLiteral("white")
                                                                              : QStringLiteral("black")));
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
    const QColor colour = QColorDialog::getColor(colourFromStored(preset), m_parent);
    if (!colour.isValid())
        return preset;
    return storedFromColour(colour);
}

} // namespace varnholt
