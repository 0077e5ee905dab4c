#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace staffel::app {

// Which version of a file stands under a name: a file replaced through a temporary file, as
// QSaveFile does, has another one even when its size and time agree.
struct DateiKennung {
    quint64 geraet = 0;
    quint64 knoten = 0;
    qint64 groesse = 0;
    qint64 geaendertSekunden = 0;
    qint64 geaendertNanosekunden = 0;
    bool operator==(const DateiKennung&) const = default;
};

// Nothing when there is no file under the name, or it cannot be looked at.
std::optional<DateiKennung> dateiKennung(const QString& pfad);

}  // namespace staffel::app
