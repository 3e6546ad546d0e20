#pragma once

#include <QString>

// The long captions of the windows. Those naming the maker's discussion board or web site take
// the addresses fixed at build time, so their lengths grow and shrink with those addresses.
namespace captions {

// Co-branding offer of the bottom strip; its "&&" shows as a single "&".
QString CoBrandOffer();

// Fully-branded offer of the bottom strip.
QString FullBrandOffer();

// Banner of the top strip, inviting the user to the discussion board.
QString BoardBanner();

// About box: description, fully-branded offer (without its link) and the home-page link.
QString AboutDescription();
QString AboutFullBrandText();
QString AboutHomePageLink();

} // namespace captions
