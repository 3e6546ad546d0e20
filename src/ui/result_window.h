#pragma once

#include "platform/forms.h"

class Program;

// Shows the result text for one name; Back returns to the main window.
class frmInnerDrmOrPerNo : public forms::Form {
    Q_OBJECT
public:
    explicit frmInnerDrmOrPerNo(Program& program);
    forms::FormDesign Design() const override;

    // The read-only text box the main window writes the result into; null while not loaded.
    forms::FormTextBox* Display() const;

    void cmdback_Click();
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

protected:
    void Bind() override;
    void Form_Unload() override;

private:
    // Every change, click and mouse press, move or release over the text empties the
    // clipboard, so the result is not easily copied out.
    void txtDisplay_Change();
    void txtDisplay_Click();
    void txtDisplay_MouseDown();
    void txtDisplay_MouseMove();
    void txtDisplay_MouseUp();

    Program& m_program;
};
