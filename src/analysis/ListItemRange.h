#pragma once

#include "engine/OptionCheck.h"

#include <QList>
#include <QString>

// Which entries of a list to download, as the user types them: numbers and
// ranges separated by commas or spaces ("1-10, 15", "3-" for the third to
// the last). Numbers count from 1, as the list shows them.
namespace ListItemRange {

// The chosen entries of a list of `count`, in list order, each once; a
// sentence saying what is wrong otherwise (nothing chosen, a part that is no
// number or range, a range that runs backwards, a number beyond the list).
Checked<QList<int>> parse(const QString &text, int count);

} // namespace ListItemRange
