#pragma once

#include <QString>

class QComboBox;
class QLabel;
class QWidget;

// What assistive tools (screen readers through AT-SPI) are told about the program's windows.
// Qt sets no accessible role by property and reads a drop-down list by its current entry
// alone; the program's own accessible interfaces, installed with QAccessible::installFactory,
// fill those gaps:
// - a window announced as a window (a frame), named after its title with its "*" mark;
// - a drop-down list keeps the name it is given, its entry being its value;
// - a value label announced with its caption ("Ukupno MB izabrano: 080.0236"), always current;
// - an ActivatableLabel announced as a link or a button that can be pressed.

// Installs the interfaces; any number of calls install them once. Widgets of the program that
// need them call it when they are made, before anything asks for their interface.
void installAccessibleInterfaces();

// The top-level widget is announced as a window; a change of its "*" mark renames it.
void announceAsWindow(QWidget* window);

// The drop-down list (choose only, no typing) is named; its current entry is its value.
void announceAsChooser(QComboBox* chooser, const QString& name);

// The label's name is the caption followed by the label's text (or by the whole text a label
// offers in its fullText property), so it follows every change of the value.
void announceWithCaption(QLabel* value, const QString& caption);
