#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

// Sizes travel as text DDD.DDDD: whole mebibytes, a full stop, the kibibytes beyond them.
namespace SizeText {

constexpr double kMebibyte = 1048576.0;
constexpr double kKibibyte = 1024.0;

// The bytes one size text stands for: the numeric value of its first three characters
// in MiB plus that of its last four in KiB, each rounded down. nullopt when either part
// is not a number or is below zero.
std::optional<double> bytes(QStringView sizeText);

// MMM.KKKK: at least three digits of whole MiB, four of remaining KiB.
QString format(double totalBytes);

} // namespace SizeText

// The total of a list of size texts. The texts that are not valid sizes count as 0; a report
// names the first few of them from firstNamed on, by ascending position, and counts them all.
struct SizeSum
{
    static constexpr int kNamed = 10;

    double bytes = 0;
    QList<int> invalidPositions;
    qsizetype invalidCount = 0;

    void addInvalid(int position, int firstNamed)
    {
        if (position < firstNamed)
            return;
        if (invalidPositions.size() < kNamed)
            invalidPositions.append(position);
        ++invalidCount;
    }
};

template <typename Range, typename SizeOf>
SizeSum sumSizes(const Range& items, SizeOf sizeOf, int firstNamed = 0)
{
    SizeSum sum;
    int position = 0;
    for (const auto& item : items) {
        if (const std::optional<double> value = SizeText::bytes(sizeOf(item)))
            sum.bytes += *value;
        else
            sum.addInvalid(position, firstNamed);
        ++position;
    }
    return sum;
}

class PackedRows;
struct WorkControl;

// The total of the size texts of packed rows, each read where it stands without a copy.
// With control, stops early when asked.
SizeSum sumSizes(const PackedRows& rows, int firstNamed = 0, const WorkControl* control = nullptr);
