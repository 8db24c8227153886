#pragma once

#include "core/program/program_state.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace varnholt {

// The modal About window of the settings dialog.
class AboutBox final : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(ProgramState& state, QWidget* parent = nullptr);

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
    void load();
    void onOkClicked();
    void onViewReadMeClicked();
    void onWebSiteClicked();
    void onEmailClicked();

    QLabel* makeLabel(const char* name, int left, int top, int width, int height);
    QLabel* makeLink(const char* name, const char* toolTip, int left, int top, int width, int height);
    QPushButton* makeButton(const char* name, const char* toolTip, int left, int top, int width, int height);
    void place(QWidget* widget, int left, int top, int width, int height) const;
    int toPixelsX(int twips) const;
    int toPixelsY(int twips) const;

    ProgramState& m_state;
    ScreenMetrics m_screen;
};

} // namespace varnholt
