#pragma once

#include "SizeText.h"

#include <QString>
#include <QStringView>
#include <array>

// The blank CD that the order is burned onto. An order fits when its total is at most the
// capacity: a total of exactly the capacity still fits.
struct DiscCapacity
{
    // As the customer chooses it and as it is stored: "650", "700" or "800".
    int megabytes;
    double bytes;

    bool fits(double totalBytes) const { return totalBytes <= bytes; }
    bool operator==(const DiscCapacity&) const = default;
};

namespace DiscCapacities {

inline constexpr std::array<DiscCapacity, 3> kChoices{{
    // 650 MiB.
    {650, 650 * SizeText::kMebibyte},
    // 700 MiB, under the 737 280 000 bytes of an 80-minute disc.
    {700, 700 * SizeText::kMebibyte},
    // The 405 000 sectors of 2 048 bytes of a 90-minute disc.
    {800, 405000 * 2048.0},
}};
inline constexpr DiscCapacity kDefault = kChoices[0];

// Where the choice is stored per user, beside the other options.
inline const QString kSection = QStringLiteral("Kapacitet");
inline const QString kKey = QStringLiteral("MB");

// The stored text of a choice; an absent or any other value means the default.
DiscCapacity fromStored(QStringView text);
QString stored(const DiscCapacity& capacity);

} // namespace DiscCapacities
