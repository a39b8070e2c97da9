#pragma once

#include <QString>
#include <optional>

// A typed count as a 16-bit signed whole number: spaces around it are ignored, "." is the
// decimal separator, and a fraction goes to the nearest whole number, a half to the even
// one (2.5 gives 2, 3.5 gives 4). Empty text, text that is not a number and numbers outside
// -32768 to 32767 give nullopt.
std::optional<int> shortNumberFromText(const QString& text);
