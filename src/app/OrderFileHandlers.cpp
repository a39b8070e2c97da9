// Saving and opening orders, and naming the previous CDs' orders.
#include "frmzBIRNIK.h"

void frmzBIRNIK::cmdSave_Click() {}
void frmzBIRNIK::cmdOpen_Click() {}
void frmzBIRNIK::cmdProsli_Click() {}
