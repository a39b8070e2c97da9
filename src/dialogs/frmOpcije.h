#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class ColourSwatch;

// The options dialog. It lives hidden for the whole run: its check boxes and swatches are
// the program's live options (which kinds are listed, and their colours).
class frmOpcije : public QDialog
{
    Q_OBJECT
public:
    explicit frmOpcije(QWidget* parent = nullptr);

    // Kind 0 is MP3 songs, kind 1 video clips.
    int kindState(int kind) const;
    void setKindState(int kind, int state);
    quint32 colour(int kind) const;
    void setColour(int kind, quint32 value);

    QGroupBox* fraIzlistaj;
    QCheckBox* chkVrstaDat[2];
    ColourSwatch* shpBoja[2];
    QLabel* lblColor[2];
    QPushButton* cmdOK;
};
