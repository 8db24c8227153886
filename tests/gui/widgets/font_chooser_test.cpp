#include "gui/widgets/font_chooser.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QTimer>
#include <QtTest>

using namespace varnholt;

class FontChooserTest : public QObject {
    Q_OBJECT

private slots:
    void fontChooserAnswers_data()
    {
        QTest::addColumn<bool>("edit");
        QTest::addColumn<bool>("accept");
        QTest::newRow("OK with every value edited") << true << true;
        QTest::newRow("OK with nothing edited keeps a face not installed") << false << true;
        QTest::newRow("Cancel delivers the preset") << true << false;
    }

    void fontChooserAnswers()
    {
        QFETCH(bool, edit);
        QFETCH(bool, accept);
        const FontChoice preset{"No Such Face", 16.0, 0x0000FF, true, false, false, false};
        const QString face = QFontDatabase::families().value(0, QStringLiteral("Sans Serif"));
        QWidget owner;
        QString shownFace;
        QTimer::singleShot(0, &owner, [&] {
            auto* chooser = qobject_cast<FontChooser*>(QApplication::activeModalWidget());
            QVERIFY(chooser);
            if (edit) {
                chooser->cboFace->setCurrentFont(QFont(face));
                chooser->spnSize->stepBy(-11); // half points
                for (QCheckBox* box :
                     {chooser->chkBold, chooser->chkItalic, chooser->chkStrikeout, chooser->chkUnderline})
                    box->click();
                shownFace = chooser->cboFace->currentFont().family();
            }
            accept ? chooser->accept() : chooser->reject();
        });
        const std::optional<FontChoice> answer = DialogChoosers(&owner).chooseFont(preset);
        const FontChoice edited{shownFace.toStdString(), 10.5, 0x0000FF, false, true, true, true};
        QVERIFY(answer);
        QCOMPARE(*answer, edit && accept ? edited : preset);
    }
};

QTEST_MAIN(FontChooserTest)
#include "font_chooser_test.moc"
