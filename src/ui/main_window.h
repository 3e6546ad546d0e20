#pragma once

#include "platform/forms.h"

class Program;

// The input window: first, middle and last name and the date of birth, then Next.
class frmMain : public forms::Form {
    Q_OBJECT
public:
    explicit frmMain(Program& program);
    forms::FormDesign Design() const override;

    void cmdNext_Click();
    void mnuNext_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    bool ValidateInput();

    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();
    void mkmoney_Click();
    void mnuDonate_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();

protected:
    void Bind() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    void txtFirstName_KeyPress(int& keyAscii);
    void txtMiddleName_KeyPress(int& keyAscii);
    void txtLastName_KeyPress(int& keyAscii);
    bool fail(const QString& message, const QString& focusTo);

    Program& m_program;
};
