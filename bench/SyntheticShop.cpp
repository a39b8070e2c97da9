#include "SyntheticShop.h"

#include "listings/ShopFiles.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QFile>

namespace SyntheticShop {

QByteArray listing(int fileCount, int seed)
{
    static const char* const artists[] = {"Plavi Oblaci", "Zvijezde Juga", "Kestenova Kora",
                                          "Tamburaši Doline", "Noćni Vlak"};
    QByteArray bytes;
    bytes.reserve(fileCount * 64);
    for (int i = 0; i < fileCount; ++i) {
        const bool video = i % 7 == 0;
        const QString name = QStringLiteral("%1 - Pjesma broj %2 (%3).%4")
                                 .arg(QString::fromUtf8(artists[(i + seed) % 5]))
                                 .arg(i)
                                 .arg(seed)
                                 .arg(video ? QStringLiteral("DAT") : QStringLiteral("mp3"));
        const QString size = QStringLiteral("%1.%2")
                                 .arg(video ? 10 + i % 80 : 2 + i % 10, 3, 10, QLatin1Char('0'))
                                 .arg(i % 1024, 4, 10, QLatin1Char('0'));
        // Every other record quoted, as shops write both.
        const QString line = i % 2 ? QStringLiteral("\"D:\\Muzika\\%1\",\"%2\"\r\n").arg(name, size)
                                   : QStringLiteral("D:\\Muzika\\%1,%2\r\n").arg(name, size);
        bytes += TextCodec::encode(line);
    }
    return bytes;
}

void write(const QString& folder, int cdCount, int filesPerCd)
{
    QDir().mkpath(folder + QStringLiteral("/PlayLists"));
    QByteArray shopList;
    for (int cd = 1; cd <= cdCount; ++cd) {
        shopList += QStringLiteral("\"CD broj %1\"\r\n").arg(cd).toLatin1();
        QFile file(ShopFiles::listingPath(folder + u'/', cd));
        if (file.open(QIODevice::WriteOnly))
            file.write(listing(filesPerCd, cd));
    }
    QFile list(ShopFiles::shopListPath(folder + u'/'));
    if (list.open(QIODevice::WriteOnly))
        list.write(shopList);
}

} // namespace SyntheticShop
