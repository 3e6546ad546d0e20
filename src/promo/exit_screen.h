#pragma once

#include "platform/forms.h"

class Program;

// The exit promotion screen: shown when the user leaves; leaving it ends the process.
class frmNagScreen2 : public forms::Form {
    Q_OBJECT
public:
    explicit frmNagScreen2(Program& program);
    forms::FormDesign Design() const override;

    void cmdClose_Click();
    void cmdSubmit_Click();
    void lblGoToHome_Click();
    void Check1_Click();

protected:
    void Bind() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    // A box holding its hint is cleared on focus; an empty one gets its hint back on leaving.
    void hintGotFocus(const QString& box);
    void hintLostFocus(const QString& box);
    // Spaces typed into an e-mail box are refused with a message.
    void emailKeyPress(const QString& box, int& keyAscii);
    QString text(const char* box) const;
    void report(const char* message);

    Program& m_program;
};
