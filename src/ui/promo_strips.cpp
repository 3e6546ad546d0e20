#include "ui/promo_strips.h"

#include "ui/captions.h"
#include "ui/colours.h"

namespace promo_strips {

void AddOfferLabels(std::vector<forms::ControlDesign>& controls, const QString& container,
                    int firstTabIndex) {
    forms::ControlDesign offer;
    offer.kind = forms::Kind::Label;
    offer.container = container;
    offer.left = 120, offer.top = 240, offer.width = 5985, offer.height = 615;
    offer.font = {QStringLiteral("Verdana"), 8.25, true, true};
    offer.fore = colours::LinkBlue();
    offer.back = colours::System(forms::SystemColour::ButtonFace);
    offer.link = true;
    offer.centred = true;

    offer.name = QStringLiteral("lblCobrand");
    offer.caption = captions::CoBrandOffer();
    offer.accessibleName = QStringLiteral("Co-branding offer");
    offer.tabIndex = firstTabIndex;
    controls.push_back(offer);

    offer.name = QStringLiteral("lblFullBrand");
    offer.caption = captions::FullBrandOffer();
    offer.accessibleName = QStringLiteral("Fully-branded offer");
    offer.tabIndex = firstTabIndex + 1;
    controls.push_back(offer);
}

forms::ControlDesign BannerLabel(const QString& container, int left, int top, int tabIndex) {
    forms::ControlDesign banner;
    banner.name = QStringLiteral("Label61");
    banner.kind = forms::Kind::Label;
    banner.container = container;
    banner.left = left, banner.top = top, banner.width = 6120, banner.height = 585;
    banner.caption = captions::BoardBanner();
    banner.accessibleName = QStringLiteral("Discussion board");
    banner.font = {QStringLiteral("Verdana"), 9, false, true};
    banner.fore = colours::White();
    banner.transparent = true;
    banner.link = true;
    banner.centred = true;
    banner.tabIndex = tabIndex;
    return banner;
}

} // namespace promo_strips
