#pragma once

#include "startup/general.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace varnholt {

// The modal About window of the settings dialog.
class frmAbout final : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(General& general, QWidget* parent = nullptr);

    QLabel* imgLogo;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblCopyRight;
    QLabel* lblDate;
    QLabel* lblDescription;
    QLabel* lblContact;
    QFrame* Line1;
    QLabel* lblWebSite;
    QLabel* lblEmail;
    QPushButton* cmdViewReadMe;
    QPushButton* cmdOK;

protected:
    // Filled on every opening, so that the year follows the clock.
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdViewReadMe_Click();
    void lblWebSite_Click();
    void lblEmail_Click();

    QLabel* makeLabel(const char* name, int left, int top, int width, int height);
    QLabel* makeLink(const char* name, const char* toolTip, int left, int top, int width, int height);
    QPushButton* makeButton(const char* name, const char* toolTip, int left, int top, int width, int height);
    void place(QWidget* widget, int left, int top, int width, int height) const;
    int toPixelsX(int twips) const;
    int toPixelsY(int twips) const;

    General& m_general;
    ScreenMetrics m_screen;
};

} // namespace varnholt
