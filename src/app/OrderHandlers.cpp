// Building the order: file details on selection, adding and removing.
#include "frmzBIRNIK.h"

void frmzBIRNIK::lstCD_Click() {}
void frmzBIRNIK::lstCDNarucen_Click() {}
void frmzBIRNIK::lstCD_DblClick() {}
void frmzBIRNIK::cmdDodaj_Click() {}
void frmzBIRNIK::cmdDodajSve_Click() {}
void frmzBIRNIK::cmdIzbrisi_Click() {}
void frmzBIRNIK::cmdIzbrisiSve_Click() {}
void frmzBIRNIK::showDetails(QListView*, const FileRowsModel&) {}
