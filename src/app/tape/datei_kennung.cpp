#include "app/tape/datei_kennung.h"

#include <sys/stat.h>

#include <QFile>

namespace staffel::app {

std::optional<DateiKennung> dateiKennung(const QString& pfad) {
    struct stat info = {};
    if (::stat(QFile::encodeName(pfad).constData(), &info) != 0) return std::nullopt;
    return DateiKennung{static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino),
                        static_cast<qint64>(info.st_size), static_cast<qint64>(info.st_mtim.tv_sec),
                        static_cast<qint64>(info.st_mtim.tv_nsec)};
}

}  // namespace staffel::app
