#pragma once

#include <QString>

// The exit screen's long texts. Those naming the discussion board take its host name fixed at
// build time, so their lengths grow and shrink with it.
namespace exit_texts {

// The promotion of the maker's other programs. Its two paragraphs are joined by a run of spaces
// instead of a line break; word wrapping in the label starts the second one on a new line.
QString OtherSoftwaresPromotion();

// One of the four appeals to visit the discussion board, index 0 to 3; any other index gives
// the text of index 0.
QString BoardAppeal(int index);

// Caption of the check box that opens the maker's site.
QString VisitBoardCaption();

} // namespace exit_texts
