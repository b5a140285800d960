#pragma once
// frmAbout: the program, its purpose and two links; shown modally from the Help menus.

#include "site/mod_help.h"

#include <QDialog>

#include <memory>

namespace Ui {
class FrmAbout;
}

namespace velmoor {

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(const ModHelp &help, QWidget *opener = nullptr);
    ~FrmAbout() override;

    // Opens a fresh about window over the window it was asked from (the window manager
    // keeps it with that one) and returns once it is closed.
    static void showModal(const ModHelp &help, QWidget *opener);

    static QString description();
    static QString homePageInvitation();

private:
    std::unique_ptr<Ui::FrmAbout> m_ui;
};

} // namespace velmoor
