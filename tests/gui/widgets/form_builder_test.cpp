// SPDX-License-Identifier: MIT
#include "gui/widgets/form_builder.h"

#include "gui/widgets/palette.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace varnholt;

namespace {

using enum ControlKind;
using enum Look;

constexpr ControlRow Table[] = {
    {"frmTest", Form, "", "", {0, 0, 4500, 3000}},
    {"fraGroup", Frame, "Group", "", {120, 108, 3000, 1500}, "", Bold},
    {"lblName", Label, "<b>Name:</b>", "", {180, 324, 1164, 252}, "fraGroup", Right | Top},
    {"cmdGo0", Button, "Go", " Go there ", {1368, 288, 1000, 301}, "fraGroup"},
    {"cmdGo1", Button, "Back", "", {1368, 700, 1000, 301}, "fraGroup"},
    {"lstItems", Custom, "", " Pick one ", {0, 1700, 2000, 250}},
    {"lblNote", Label, "Note", "", {2100, 1700, 2000, 250}, "", Emphasis},
    {"imgLogo", Picture, "", "", {3000, 108, 1200, 600}},
    {"Line1", Line, "", "", {-60, 2100, 4620, 0}},
};

QWidget* makeList(const ControlRow&, QWidget* parent)
{
    return new QListWidget(parent);
}

} // namespace

class FormBuilderTest : public QObject {
    Q_OBJECT

private slots:
    void rowBecomesControl_data()
    {
        QTest::addColumn<double>("twipsPerPixel");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QRect>("rect");
        const QString none;
        QTest::newRow("window, 96 DPI") << 15.0 << "frmTest" << none << none << QRect(0, 0, 300, 200);
        QTest::newRow("window, 192 DPI") << 7.5 << "frmTest" << none << none << QRect(0, 0, 600, 400);
        QTest::newRow("frame, 96 DPI") << 15.0 << "fraGroup" << QStringLiteral("Group") << none
                                       << QRect(8, 7, 200, 100);
        QTest::newRow("label, 96 DPI") << 15.0 << "lblName" << QStringLiteral("<b>Name:</b>") << none
                                       << QRect(12, 22, 78, 17);
        QTest::newRow("button, 96 DPI") << 15.0 << "cmdGo0" << QStringLiteral("Go") << QStringLiteral(" Go there ")
                                        << QRect(91, 19, 67, 20);
        QTest::newRow("window's own, 96 DPI")
            << 15.0 << "lstItems" << none << QStringLiteral(" Pick one ") << QRect(0, 113, 133, 17);
        QTest::newRow("line, 96 DPI") << 15.0 << "Line1" << none << none << QRect(-4, 140, 308, 1);
        QTest::newRow("line, 192 DPI") << 7.5 << "Line1" << none << none << QRect(-8, 280, 616, 1);
    }

    void rowBecomesControl()
    {
        QFETCH(double, twipsPerPixel);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        QFETCH(QRect, rect);
        QDialog window;
        FormBuilder form(window, TwipsGeometry({1024, 768, twipsPerPixel, twipsPerPixel}));
        form.build(Table, makeList);
        QCOMPARE(window.objectName(), QStringLiteral("frmTest"));
        QWidget* control = name == window.objectName() ? &window : window.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control == &window ? window.rect() : control->geometry(), rect);
        QCOMPARE(control->toolTip(), toolTip);
        const auto* frame = qobject_cast<QGroupBox*>(control);
        QCOMPARE(frame ? frame->title() : control->property("text").toString(), caption);
    }

    void sharedLookAndMembers()
    {
        QDialog window;
        FormBuilder form(window, TwipsGeometry({1024, 768, 15.0, 15.0}));
        form.build(Table, makeList);
        QGroupBox* fraGroup = nullptr;
        QLabel* lblName = nullptr;
        std::array<QPushButton*, 2> cmdGo{};
        QListWidget* lstItems = nullptr;
        QLabel* lblNote = nullptr;
        QLabel* imgLogo = nullptr;
        BIND_CONTROLS(form, fraGroup, lblName, cmdGo, lstItems, lblNote, imgLogo);
        QCOMPARE(cmdGo[1]->text(), QStringLiteral("Back"));
        QCOMPARE(lstItems->parentWidget(), &window);

        QVERIFY(fraGroup->font().bold());
        QCOMPARE(lblName->font().family(), QStringLiteral("Arial"));
        QCOMPARE(lblName->font().pointSize(), 8);
        QVERIFY(!lblName->font().bold()); // not the frame's caption's
        QCOMPARE(lblName->textFormat(), Qt::PlainText);
        QCOMPARE(lblName->alignment(), Qt::AlignRight | Qt::AlignTop);
        QCOMPARE(lblNote->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        QVERIFY(lblNote->font().bold());
        QCOMPARE(lblNote->palette().color(QPalette::WindowText), DarkBlue);
        QVERIFY(imgLogo->hasScaledContents() && !lblNote->hasScaledContents());
    }
};

QTEST_MAIN(FormBuilderTest)
#include "form_builder_test.moc"
