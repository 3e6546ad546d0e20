#pragma once

#include "forms/forms.h"

#include <QIcon>
#include <QList>

class modHelp;

// The main window as the start-up sequence sees it: a window with two overlapping offers.
class OfferWindow : public forms::Form {
public:
    enum class Offer { CoBrand, FullBrand };
    using forms::Form::Form;
    virtual void BringOfferToFront(Offer offer) = 0;
};

// The start-up window: never shown; its load is the start-up sequence. It stays loaded and
// hidden for the whole process and holds the icon list and the drawn offer variant.
class frmStartup : public forms::Form {
    Q_OBJECT
public:
    frmStartup(forms::FormsRuntime& runtime, modHelp& help, OfferWindow& main);
    forms::FormDesign Design() const override;

    // Draws which of the main window's two offer labels lies in front.
    void CoBrand_Randomize();

    // The drawn variant, 1 to 7; 0 until the draw.
    qint16 intCoBrandRandomNumber = 0;
    // Image 1 (counting from 1) is the application icon.
    QIcon IMGIcon(int index) const;

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    modHelp& m_help;
    OfferWindow& m_main;
    QList<QIcon> m_icons;
};
