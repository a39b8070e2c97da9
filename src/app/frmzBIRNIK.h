#pragma once

#include "BackgroundWork.h"
#include "ElidedLabel.h"
#include "FileListView.h"
#include "PlatformServices.h"
#include "SharedValues.h"
#include "dialogs/frmNadji.h"
#include "listings/DiscCapacity.h"
#include "listings/FileRowsModel.h"
#include "listings/SizeText.h"
#include "order/OrderAdding.h"
#include "order/OrderDocument.h"
#include "order/PreviousOrdersIndex.h"
#include "platform/CommonDialog.h"
#include "recovery/OrderRecovery.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QListView;
class QPushButton;
class OrderFillBar;
class OrderMenu;
class frmOpcije;

// The main window: the source CD chooser, the file list, the order and their commands.
// Its handlers are the one place where failures are caught and shown; each leaves the
// lists consistent and the order intact.
class frmzBIRNIK : public QWidget
{
    Q_OBJECT
public:
    explicit frmzBIRNIK(PlatformServices platform, QWidget* parent = nullptr);
    ~frmzBIRNIK() override;

    // Start-up: the start folder, the stored options, the shop list and source CD 1.
    // Returns false when there is no shop list to work with (already reported).
    bool Form_Load(const QString& startFolder);

    SharedValues& shared() { return m_shared; }
    FileRowsModel& files() { return m_files; }
    OrderDocument& order() { return m_order; }
    CommonDialog& OtvoriSave() { return m_otvoriSave; }
    frmOpcije* options() const { return m_opcije; }
    frmNadji* findDialog() const { return m_nadji; }
    // The capacity of the blank CD in force, as the options chose it.
    const DiscCapacity& capacity() const { return m_order.capacity(); }

public slots:
    void Form_Resize();
    void cmbCDovi_Click();
    void cmdIzlaz_Click();
    // File details and adding, removing.
    void lstCD_Click();
    void lstCDNarucen_Click();
    void lstCD_DblClick();
    void cmdDodaj_Click();
    void cmdDodajSve_Click();
    void cmdIzbrisi_Click();
    void cmdIzbrisiSve_Click();
    // Order files and previous CDs.
    void cmdSave_Click();
    void cmdOpen_Click();
    void cmdProsli_Click();
    // Dialogs.
    void cmdNadji_Click();
    void cmdNadjiSve_Click();
    void cmdOpcije_Click();
    void cmdAbout_Click();
    // The order's undo and redo: Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y, and the order list's menu.
    void undoOrder();
    void redoOrder();
    // The selected order items one place up or down: Alt+Up and Alt+Down in the order list.
    void moveOrderUp();
    void moveOrderDown();
    // A recovery copy left by a program that ended with its order unsaved is offered back.
    void offerRecovery();
    // SIGTERM or SIGHUP: the order is copied at once and the program ends without a question.
    void endFromOutside();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void setTabOrder();
    void createKeys();
    void createMenus();
    // Dragging files into the order, and order items to another place in it.
    void createDragAndDrop();
    // The file list's entry at the position is in the order: the duplicate test would refuse it.
    bool isOrdered(int position) const;
    QSizeF minimumOuterSize() const;
    void readStoredOptions();
    // Loads the listing of the source CD the chooser shows; false when cancelled.
    bool showSelectedCd();
    void showDetails(QListView* list, const FileRowsModel& rows);
    // Shows what the order document reports.
    void connectOrder();
    void connectRecovery();
    void showOrderTotal();
    void showOrderCapacity(bool over);
    void warnOverCapacity();
    // Selects the rows; the row at current (or else the first) is current.
    void selectOrderRows(const QList<int>& ascendingPositions, int current = -1);
    // Adds file list entries as one batch, made by button, at row or at the end.
    void addEntries(AddingEntries entries, const QPushButton* button, int row = -1);
    void moveOrderRows(OrderDocument::MoveDirection direction);
    // Rows dragged from the file list are added before row; from the order, moved there.
    void dropRows(FileListView* source, const QList<int>& positions, int row);
    // Names, roles and relations for screen readers.
    void describeForAssistiveTools();
    void describeCapacity(double totalBytes);
    // Long work of a handler runs off the window's thread; a list command that arrives
    // meanwhile (a button's delayed click) waits until the work is over and then runs.
    // Returns false when the customer cancelled the work.
    bool offThread(const BackgroundWork::Progress& progress, BackgroundWork::Work work);
    bool waitIfBusy(void (frmzBIRNIK::*command)());
    void runWaitingCommands();
    void reportBadRows(const FileRowsModel& list, const SizeSum& sum,
                       const QString& badRecords = {});
    // Saves the order through the save dialog; false when cancelled or failed (reported).
    bool saveOrder();
    // Asks whether an order with unsaved changes may go; Yes saves it first.
    bool mayDiscardOrder();
    // Runs a handler's work; a failure becomes one clear message and the program goes on.
    // what names the work and its file for the message when memory runs out.
    void guarded(const std::function<void()>& work, const QString& what);
    // The same, but the failure is returned for the handler to show when its lines are up.
    QString failureOf(const std::function<void()>& work, const QString& what);
    void showError(const QString& text);

public:
    // Controls, named as the window's design names them.
    QComboBox* cmbCDovi;
    FileListView* lstCD;
    FileListView* lstCDNarucen;
    QPushButton* cmdDodaj;
    QPushButton* cmdDodajSve;
    QPushButton* cmdIzbrisi;
    QPushButton* cmdIzbrisiSve;
    QPushButton* cmdNadji;
    QPushButton* cmdNadjiSve;
    QPushButton* cmdSave;
    QPushButton* cmdOpen;
    QPushButton* cmdAbout;
    QPushButton* cmdIzlaz;
    QPushButton* cmdProsli;
    QPushButton* cmdOpcije;
    QLabel* lblNaslov;
    QLabel* lblBrojNarucenih;
    QLabel* lblBrojN;
    ElidedLabel* lblPjesma;
    QLabel* lblInformation[2];
    QLabel* lblCD_Vrijeme;
    QLabel* lblCDNarucen_Vrijeme;
    QLabel* lblVrijeme;
    QLabel* lblUkupnoVrijeme;
    OrderFillBar* prgPopunjenost;

private:
    PlatformServices m_platform;
    CommonDialog m_otvoriSave;
    SharedValues m_shared;
    FileRowsModel m_files;
    OrderDocument m_order;
    OrderRecovery m_recovery;
    frmOpcije* m_opcije = nullptr;
    QPointer<frmNadji> m_nadji;
    OrderMenu* m_orderMenu = nullptr;
    // The previous CDs' order files, read once and again only when they change.
    PreviousOrdersIndex m_previousOrders;
    // The source CD whose listing the file list shows, to go back to when a load is
    // cancelled; -1 before the first load.
    int m_listedIndex = -1;
    bool m_busy = false;
    QList<void (frmzBIRNIK::*)()> m_waiting;
    // The session is ending: closing asks nothing.
    bool m_sessionEnding = false;
};
