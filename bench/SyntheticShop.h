#pragma once

#include <QString>

// Synthetic shops at the largest sizes the program meets, written as the shop writes them
// (windows-1250, CR LF, quoted and unquoted fields).
namespace SyntheticShop {

// The text of a listing file of fileCount records; seed varies the names.
QByteArray listing(int fileCount, int seed = 0);

// A shop folder with cdCount source CDs of filesPerCd files each, under folder.
void write(const QString& folder, int cdCount, int filesPerCd);

} // namespace SyntheticShop
