#pragma once

#include "ActivatableLabel.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class UrlOpener;

// The about box: the product, the shop's and the maker's addresses. Three labels are links:
// pointer movement over a link underlines it, movement over the background or a plain label
// clears every underline, and a click hands the link's target to the desktop. Tab reaches the
// links after "&OK", and Space or Enter follows the one with the focus.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(UrlOpener& urls, QWidget* parent = nullptr);

    // The texts of the links, and the contact address behind the contact line.
    static const QString kShopAddress;
    static const QString kContactAddress;
    static const QString kMakerAddress;

    ActivatableLabel* lbl;
    QLabel* lblFirma;
    // The program's version, in the free corner right of the name.
    QLabel* lblVerzija;
    ActivatableLabel* Label1;
    QLabel* lblBy;
    QFrame* Line1;
    QLabel* lblMade;
    QLabel* lblMadeFirma;
    QLabel* Label2;
    ActivatableLabel* lblWebMade;
    QPushButton* cmdOK;

public slots:
    void Label1_Click();
    void lbl_Click();
    void lblWebMade_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* addLabel(const QString& name, const QString& text, double left, double top,
                     double width, double height);
    ActivatableLabel* addLink(const QString& name, const QString& text, double left, double top,
                              double width, double height, void (frmAbout::*follow)());
    template <typename Label>
    Label* placed(Label* label, const QString& name, const QString& text, double left, double top,
                  double width, double height);
    // The hover rule, for a pointer moving over the given child (nullptr: the background).
    void pointerOver(QWidget* child);
    static void setUnderlined(QLabel* label, bool underlined);

    UrlOpener& m_urls;
};
