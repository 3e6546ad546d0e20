#pragma once

#include "platform/design.h"

// The banner and the two overlapping offer labels that the main and result windows share.
namespace promo_strips {

// lblCobrand then lblFullBrand, in that design order, covering the same rectangle.
void AddOfferLabels(std::vector<forms::ControlDesign>& controls, const QString& container,
                    int firstTabIndex);
// Label61, the discussion-board banner.
forms::ControlDesign BannerLabel(const QString& container, int left, int top, int tabIndex);

} // namespace promo_strips
