#pragma once

#include "ActivatableLabel.h"
#include "listings/DiscCapacity.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class ColourSwatch;
class CommonDialog;
class SettingsStore;

// The options dialog. It lives hidden for the whole run: its check boxes and swatches are
// the program's live options (which kinds are listed, and their colours). Colours are
// chosen with the main window's common dialog; "OK" stores the four options.
class frmOpcije : public QDialog
{
    Q_OBJECT
public:
    frmOpcije(CommonDialog& colourPicker, SettingsStore& settings, QWidget* parent = nullptr);

    // Kind 0 is MP3 songs, kind 1 video clips.
    int kindState(int kind) const;
    void setKindState(int kind, int state);
    quint32 colour(int kind) const;
    void setColour(int kind, quint32 value);
    // The blank CD's capacity; the window applies it once the dialog has closed.
    DiscCapacity capacity() const;
    void setCapacity(const DiscCapacity& capacity);

    QGroupBox* fraIzlistaj;
    QCheckBox* chkVrstaDat[2];
    ColourSwatch* shpBoja[2];
    ActivatableLabel* lblColor[2];
    QPushButton* cmdOK;
    QLabel* lblKapacitet;
    QComboBox* cmbKapacitet;

signals:
    // "OK" could not store the options; the text says where.
    void settingsNotStored(const QString& message);

public slots:
    void lblColor_Click(int index);
    void cmdOK_Click();
    // The close box and Esc: the options return to what they were when the dialog was shown.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Options
    {
        quint32 colours[2];
        int kindStates[2];
        DiscCapacity capacity;
    };
    Options current() const;
    // The swatch's label announces the kind and its colour ("Boja pjesama: #000000").
    void nameColour(int kind);
    void restore(const Options& options);

    CommonDialog& m_colourPicker;
    SettingsStore& m_settings;
    Options m_shownWith{};
    bool m_placed = false;
};
