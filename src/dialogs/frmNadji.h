#pragma once

#include <QDialog>

// The find dialog: searches the file names of the selected or of every source CD.
class frmNadji : public QDialog
{
    Q_OBJECT
public:
    using QDialog::QDialog;
};
