#pragma once

#include <QString>
#include <QStringView>

// The text of an order item, and of a search result over every source CD: the source CD
// label, ": " and the file name, as in "CD 007: song.mp3". The label is "CD " and the
// source CD number with at least three digits.
namespace OrderItemText {

QString label(int cdNumber);
QString make(QStringView label, QStringView name);

// True for a text in the form the program makes itself: "CD ", one or more digits, ": ".
// A file that is merely named "CD Intro.mp3" carries no label.
bool isLabelled(QStringView text);

// The label is the text before the first ": ", the name the text after it. A text without
// ": " is all label and has no name.
QStringView labelOf(QStringView text);
QStringView nameOf(QStringView text);

} // namespace OrderItemText
