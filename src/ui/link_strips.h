#pragma once

#include "forms/design.h"

// The two strips of links the main and result windows share, each a flat panel-blue frame with
// its labels, appended in design order.
namespace link_strips {

// Frame5 at the bottom, holding lblCobrand then lblFullBrand over the same rectangle.
void AddOfferStrip(forms::FormDesign& d, int left, int top, int frameTab);
// Frame2 at the top, holding Label61, the discussion-board banner.
void AddBannerStrip(forms::FormDesign& d, int left, int width, int frameTab, int labelLeft,
                    int labelTop, int labelTab);

} // namespace link_strips
