#pragma once

#include "forms/forms.h"

class frmMain;
class modHelp;

// The modal about box: name, version, description and two links.
class frmAbout : public forms::Form {
    Q_OBJECT
public:
    frmAbout(forms::FormsRuntime& runtime, modHelp& help, frmMain& main);
    forms::FormDesign Design() const override;

    void cmdOK_Click();
    void lblCobrand_Click();
    void lblHomePage_Click();

protected:
    QWidget* owner() const override;
    void Bind() override;

private:
    modHelp& m_help;
    frmMain& m_main;
};
