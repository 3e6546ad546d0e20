#include "ui/link_strips.h"

#include "forms/palette.h"
#include "ui/captions.h"

#include <QCoreApplication>

namespace link_strips {

namespace {
forms::ControlDesign& addStrip(forms::FormDesign& d, const char* name, int left, int top, int width,
                               int height, int tab, const QString& spoken) {
    auto& frame = d.Add(name, forms::Kind::Frame, "", left, top, width, height, tab);
    frame.back = palette::PanelBlue();
    frame.flat = true;
    frame.accessibleName = spoken;
    return frame;
}
} // namespace

void AddOfferStrip(forms::FormDesign& d, int left, int top, int frameTab) {
    addStrip(d, "Frame5", left, top, 6300, 975, frameTab,
             QCoreApplication::translate("link_strips", "Offers"));
    struct Offer {
        const char* name;
        QString caption;
        QString spoken;
    };
    const Offer offers[] = {
        {"lblCobrand", captions::CoBrandOffer(),
         QCoreApplication::translate("link_strips", "Co-branding offer")},
        {"lblFullBrand", captions::FullBrandOffer(),
         QCoreApplication::translate("link_strips", "Fully-branded offer")},
    };
    int tab = frameTab + 1;
    for (const Offer& o : offers) {
        auto& offer = d.Add(o.name, forms::Kind::Label, "Frame5", 120, 240, 5985, 615, tab++);
        offer.caption = o.caption;
        offer.accessibleName = o.spoken;
        offer.font = {QStringLiteral("Verdana"), 8.25, true, true};
        offer.fore = palette::LinkBlue();
        offer.back = palette::System(forms::SystemColour::ButtonFace);
        offer.link = true;
        offer.centred = true;
    }
}

void AddBannerStrip(forms::FormDesign& d, int left, int width, int frameTab, int labelLeft,
                    int labelTop, int labelTab) {
    addStrip(d, "Frame2", left, 0, width, 615, frameTab,
             QCoreApplication::translate("link_strips", "Discussion board banner"));
    auto& banner =
        d.Add("Label61", forms::Kind::Label, "Frame2", labelLeft, labelTop, 6120, 585, labelTab);
    banner.caption = captions::BoardBanner();
    banner.accessibleName = QCoreApplication::translate("link_strips", "Discussion board");
    banner.font = {QStringLiteral("Verdana"), 9, false, true};
    banner.fore = palette::White();
    banner.transparent = true;
    banner.link = true;
    banner.centred = true;
}

} // namespace link_strips
