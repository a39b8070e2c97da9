// The commands that open the find, options and about dialogs, and the list reset.
#include "frmzBIRNIK.h"

void frmzBIRNIK::cmdNadji_Click() {}
void frmzBIRNIK::cmdNadjiSve_Click() {}
void frmzBIRNIK::cmdOpcije_Click() {}
void frmzBIRNIK::cmdAbout_Click() {}
