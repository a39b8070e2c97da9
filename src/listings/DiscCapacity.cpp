#include "DiscCapacity.h"

namespace DiscCapacities {

DiscCapacity fromStored(QStringView text)
{
    for (const DiscCapacity& choice : kChoices) {
        if (text == stored(choice))
            return choice;
    }
    return kDefault;
}

QString stored(const DiscCapacity& capacity)
{
    return QString::number(capacity.megabytes);
}

} // namespace DiscCapacities
