#pragma once

#include "forms/forms.h"

class ExitHandoff;
class modHelp;
namespace forms {
class FormTextBox;
}

// Shows the result text for one name; Back returns to the main window.
class frmInnerDrmOrPerNo : public forms::Form {
    Q_OBJECT
public:
    frmInnerDrmOrPerNo(forms::FormsRuntime& runtime, modHelp& help, ExitHandoff& handoff);
    forms::FormDesign Design() const override;

    // Shows the window, writes the result text for the number into its empty text box one
    // paragraph after another and moves the caret to the start, so the text shows from its
    // first line.
    void ShowResult(int number);

    void cmdback_Click();
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

protected:
    void bind() override;
    void unbind() override;
    void Form_Unload() override;

private:
    // Every change, click and mouse press, move or release over the text empties the
    // clipboard, so the result is not easily copied out.
    void txtDisplay_Change();
    void txtDisplay_Click();
    void txtDisplay_MouseDown();
    void txtDisplay_MouseMove();
    void txtDisplay_MouseUp();

    struct Controls {
        forms::FormTextBox* txtDisplay = nullptr;
    } m_ui;

    modHelp& m_help;
    ExitHandoff& m_handoff;
};
