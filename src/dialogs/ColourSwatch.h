#pragma once

#include <QFrame>

// A filled rectangle showing one of the program's 32-bit colour values.
class ColourSwatch : public QFrame
{
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget* parent = nullptr);

    quint32 fillColour() const { return m_fillColour; }
    void setFillColour(quint32 value);

private:
    quint32 m_fillColour = 0;
};
