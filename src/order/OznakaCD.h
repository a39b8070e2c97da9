#pragma once

#include <QString>

// The order item text for a file list entry: the label of the source CD selected in the
// chooser ("CD " and its number with at least three digits; CD 000 when none is selected),
// ": " and the entry. An entry that already carries a label in the program's own form (a
// search result over every source CD, "CD 007: name") is taken unchanged; a file merely
// named "CD Intro.mp3" is labelled like any other.
QString OznakaCD(const QString& text, int comboSelectionIndex);
