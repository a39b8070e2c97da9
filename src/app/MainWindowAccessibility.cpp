// What the main window tells assistive tools: its role and title, the names of the controls
// that take the focus or show a value, and the over-capacity state in words.
#include "frmzBIRNIK.h"

#include "dialogs/Accessibility.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>

void frmzBIRNIK::describeForAssistiveTools()
{
    announceAsWindow(this);
    announceAsChooser(cmbCDovi, QStringLiteral("Izvorni CD"));
    // The two lists would otherwise sound the same.
    lstCD->setAccessibleName(QStringLiteral("Datoteke izvornog CD-a"));
    lstCDNarucen->setAccessibleName(QStringLiteral("Narudzba"));
    // Each value is announced with what it counts.
    announceWithCaption(lblBrojNarucenih, lblBrojN->text());
    announceWithCaption(lblCDNarucen_Vrijeme, lblUkupnoVrijeme->text());
    announceWithCaption(lblPjesma, QStringLiteral("Izabrana datoteka"));
    announceWithCaption(lblVrijeme, QStringLiteral("Velicina izabrane datoteke"));
}

// Red alone does not say that the order is too large: the total's description and tool tip
// say by how much, while it is.
void frmzBIRNIK::describeCapacity(double totalBytes)
{
    const QString words = capacity().fits(totalBytes)
                              ? QString()
                              : QStringLiteral("Narudzba je veca od %1 MB za %2 MB")
                                    .arg(capacity().megabytes)
                                    .arg(SizeText::format(totalBytes - capacity().bytes));
    lblCDNarucen_Vrijeme->setToolTip(words);
    lblCDNarucen_Vrijeme->setAccessibleDescription(words);
}
