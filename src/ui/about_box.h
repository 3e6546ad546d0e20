#pragma once

#include "forms/forms.h"

class modHelp;

// The modal about box: name, version, description and two links.
class frmAbout : public forms::Form {
    Q_OBJECT
public:
    // owner: the window the about box is a dialog of.
    frmAbout(forms::FormsRuntime& runtime, modHelp& help, forms::Form& owner);
    forms::FormDesign Design() const override;

    void cmdOK_Click();
    void lblCobrand_Click();
    void lblHomePage_Click();

protected:
    QWidget* owner() const override;
    void bind() override;

private:
    modHelp& m_help;
    forms::Form& m_owner;
};
