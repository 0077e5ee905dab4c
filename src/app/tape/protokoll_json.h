#pragma once

#include <QByteArray>
#include <optional>

#include "app/tape/protokoll_model.h"

namespace staffel::app {

// What the tape's file holds: the rows, oldest first, and up to which time it was last cleared
// (0: never), which rows calculated meanwhile in other runs must heed.
struct ProtokollStand {
    ProtokollZeilen zeilen;
    qint64 geleertBis = 0;
};

// The tape's file in its current version, one row a line.
QByteArray protokollJson(const ProtokollStand& stand);

// Nothing when the text is not a tape file of this program; a file of the first version, without
// times, ids and kinds, reads as value rows with neither.
std::optional<ProtokollStand> protokollAusJson(const QByteArray& text);

// The file's rows and this run's unsaved rows in the order they were calculated: a row cleared by
// geleertBis is dropped, a row the file holds already does not come twice, the newest kMaxZeilen
// stay. Rows without a time, from files before times were kept, stand before all others.
ProtokollZeilen zusammenfuehren(ProtokollZeilen datei, const ProtokollZeilen& neu,
                                qint64 geleertBis);

}  // namespace staffel::app
