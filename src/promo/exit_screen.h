#pragma once

#include "forms/forms.h"

#include <array>
#include <utility>

class QLabel;
class frmStartup;
class modHelp;
class modTellAFriend;
struct ReferralField;
namespace forms {
class FormCheckButton;
class FormLabel;
class FormTextBox;
} // namespace forms

// The exit promotion screen: shown when the user leaves; leaving it ends the process.
class frmNagScreen2 : public forms::Form {
    Q_OBJECT
public:
    frmNagScreen2(forms::FormsRuntime& runtime, modHelp& help, modTellAFriend& tellAFriend,
                  frmStartup& startup);
    forms::FormDesign Design() const override;

    void cmdClose_Click();
    void cmdSubmit_Click();
    void lblGoToHome_Click();
    void Check1_Click();

protected:
    void bind() override;
    void unbind() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    // A box holding its hint is cleared on focus; an empty one gets its hint back on leaving.
    void hintGotFocus(forms::FormTextBox* box, const ReferralField& field);
    void hintLostFocus(forms::FormTextBox* box, const ReferralField& field);
    // Spaces typed into an e-mail box are refused with a message.
    void emailKeyPress(forms::FormTextBox* box, int& keyAscii);

    // The controls the handlers work with; null while the screen is not loaded.
    struct Controls {
        forms::FormCheckButton* Check1 = nullptr;
        forms::FormLabel* lblNagScreen2Caption = nullptr;
        forms::FormLabel* Label2 = nullptr;
        QLabel* picNagscreen2Icon = nullptr;
        // Each referral value with the box it is typed into, in the order of kReferralFields.
        std::array<std::pair<const ReferralField*, forms::FormTextBox*>, 5> fields{};
    } m_ui;

    modHelp& m_help;
    modTellAFriend& m_tellAFriend;
    frmStartup& m_startup;
};
