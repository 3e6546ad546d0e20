#pragma once

#include "platform/forms.h"

class Program;

// The modal about box: name, version, description and two links.
class frmAbout : public forms::Form {
    Q_OBJECT
public:
    explicit frmAbout(Program& program);
    forms::FormDesign Design() const override;

    void cmdOK_Click();
    void lblCobrand_Click();
    void lblHomePage_Click();

protected:
    QWidget* owner() const override;
    void Bind() override;

private:
    Program& m_program;
};
