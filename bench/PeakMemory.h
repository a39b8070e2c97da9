#pragma once

#include <QByteArray>
#include <QFile>
#include <malloc.h>

// The peak of resident memory during a piece of work, above what was resident before it,
// from the kernel's own count (/proc/self/status), in MB.
class PeakMemory
{
public:
    PeakMemory()
    {
        malloc_trim(0);
        m_start = resident("VmRSS");
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5"); // the peak starts again from here
    }
    double megabytes() const { return double(resident("VmHWM") - m_start) / double(1 << 20); }

private:
    static qint64 resident(const QByteArray& field)
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return 0;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith(field + ':'))
                return line.mid(field.size() + 1).trimmed().split(' ').first().toLongLong() * 1024;
        }
        return 0;
    }

    qint64 m_start = 0;
};
