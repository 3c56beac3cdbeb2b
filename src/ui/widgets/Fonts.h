#pragma once

#include <QFont>

// The named text styles of the window, derived from the desktop's general
// font so that they follow the user's font and size choices.
namespace Fonts {

QFont body();
QFont headline();    // section headings: body size, bold
QFont title();       // the legal notice's name
QFont title3();      // the preview card's title: larger, semibold
QFont subheadline(); // job titles, the uploader
QFont caption();     // secondary lines
QFont caption2();    // the smallest notes
QFont monospaceCaption(); // log text
QFont largeSymbolFont(); // size reference of large symbols

} // namespace Fonts
