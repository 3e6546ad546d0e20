#pragma once

#include "forms/forms.h"

#include <QIcon>
#include <QList>

class modHelp;

// The main window's two overlapping offers, as the start-up draw sees them.
class OfferWindow {
public:
    enum class Offer { CoBrand, FullBrand };
    virtual void BringOfferToFront(Offer offer) = 0;

protected:
    ~OfferWindow() = default;
};

// The start-up window: never shown; its load is the start-up sequence. It stays loaded and
// hidden for the whole process and holds the icon list and the drawn offer variant.
class frmStartup : public forms::Form {
    Q_OBJECT
public:
    // main and offers are the main window, seen as a window and as its offers.
    frmStartup(forms::FormsRuntime& runtime, modHelp& help, forms::Form& main, OfferWindow& offers);
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
    forms::Form& m_main;
    OfferWindow& m_offers;
    QList<QIcon> m_icons;
};
