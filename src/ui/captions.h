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

// Exit screen: the promotion of the maker's other programs. Its two paragraphs are joined by a
// run of spaces instead of a line break; word wrapping in the label starts the second one on a
// new line.
QString NagLabel3();

// Exit screen: one of the four appeals to visit the discussion board, index 0 to 3; any other
// index gives the text of index 0.
QString NagLabel2(int index);

// Exit screen: caption of the check box that opens the maker's site.
QString NagCheck1Caption();

} // namespace captions
