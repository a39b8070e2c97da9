#pragma once

#include "listings/FileRowsModel.h"
#include "listings/ListingSearch.h"

#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// What the find dialog needs of the window whose file list it fills.
struct FindTarget
{
    // The start folder with its trailing separator.
    QString putanja;
    std::function<int()> sourceCdCount;
    // The number of the selected source CD, counted from 1.
    std::function<int()> selectedSourceCd;
    // Runs the search; nullopt when the customer cancelled it. Without it the dialog
    // searches by itself.
    std::function<std::optional<SearchResult>(const SearchRequest&)> search;
    // Takes the found files as the new file list.
    std::function<void(SearchResult)> showFound;
    // Shows one error message.
    std::function<void(const QString&)> showError;
};

// The find dialog: searches the file names of the selected or of every source CD. It is
// modeless and keeps its text and choices while hidden; its close box destroys it.
class frmNadji : public QDialog
{
    Q_OBJECT
public:
    explicit frmNadji(FindTarget target, QWidget* parent = nullptr);

    QLabel* lblNadj;
    QLineEdit* txtNadji;
    QPushButton* cmdNadji;
    QPushButton* cmdOtkazi;
    QRadioButton* optPretrazi[2];
    QGroupBox* fraVrstaDat;
    QCheckBox* chkVrstaDat[2];

public slots:
    void cmdNadji_Click();
    void cmdOtkazi_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    FindTarget m_target;
    bool m_placed = false;
};
