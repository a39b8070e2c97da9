#pragma once

#include <QString>

// Where the file dialogs start before any file has been chosen: the shop folder when orders
// can be saved there and it is no system folder, otherwise (an installed demo shop) the
// user's documents or home folder.
QString firstDialogFolder(const QString& shopFolder);
