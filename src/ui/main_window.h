#pragma once

#include "forms/forms.h"
#include "shell/startup.h"

#include <QComboBox>

class ExitHandoff;
class frmAbout;
class frmInnerDrmOrPerNo;
class modHelp;
namespace forms {
class FormLabel;
class FormTextBox;
} // namespace forms

// The input window: first, middle and last name and the date of birth, then Next.
class frmMain : public OfferWindow {
    Q_OBJECT
public:
    frmMain(forms::FormsRuntime& runtime, modHelp& help, ExitHandoff& handoff,
            frmInnerDrmOrPerNo& result);
    // The about box is made after this window, which owns it; given once, before this loads.
    void SetAboutBox(frmAbout& about) { m_about = &about; }
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

    void BringOfferToFront(Offer offer) override;

protected:
    void bind() override;
    void unbind() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    void txtFirstName_KeyPress(int& keyAscii);
    void txtMiddleName_KeyPress(int& keyAscii);
    void txtLastName_KeyPress(int& keyAscii);
    // The first check the input fails: what to tell the user and the control at fault, if there
    // is one; no message when every check passes.
    struct Refusal {
        QString message;
        QWidget* focusTo = nullptr;
    };
    Refusal firstRefusal() const;

    // The controls the handlers work with; null while the window is not loaded.
    struct Controls {
        forms::FormTextBox* txtFirstName = nullptr;
        forms::FormTextBox* txtMiddleName = nullptr;
        forms::FormTextBox* txtLastName = nullptr;
        QComboBox* cboDate = nullptr;
        QComboBox* cboMonth = nullptr;
        QComboBox* cboYear = nullptr;
        forms::FormLabel* lblCobrand = nullptr;
        forms::FormLabel* lblFullBrand = nullptr;
    } m_ui;

    modHelp& m_help;
    ExitHandoff& m_handoff;
    frmInnerDrmOrPerNo& m_result;
    frmAbout* m_about = nullptr;
};
