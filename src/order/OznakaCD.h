#pragma once

#include <QString>

// The order item text for a file list entry: the label of the source CD selected in the
// chooser ("CD " and its number with at least three digits; CD 000 when none is selected),
// ": " and the entry. An entry that already begins with "CD " (a search result over every
// source CD carries its own label) is taken unchanged.
QString OznakaCD(const QString& text, int comboSelectionIndex);
