#include "engine/model/umformung.h"

#include <optional>

#include "engine/modul_ra.h"

namespace staffel {

UmgeformterBruch Umformen(Umformung art, Int16 n, Int16 d) {
    std::optional<Int16> zaehler;
    std::optional<Int16> nenner;
    bool vorzeichenNachOben = true;
    switch (art) {
        case Umformung::Plus1:
            zaehler = add16(n, d);
            nenner = d;
            vorzeichenNachOben = false;
            break;
        case Umformung::Minus1:
            zaehler = sub16(n, d);
            nenner = d;
            break;
        case Umformung::Kehrwert:
            zaehler = d;
            nenner = n;
            vorzeichenNachOben = false;
            break;
        case Umformung::Spiegel:
            zaehler = n;
            nenner = sub16(n, d);
            break;
        case Umformung::Negativ:
            zaehler = d;
            nenner = sub16(d, n);
            break;
    }
    if (zaehler && nenner && *nenner == 0) return {0, 1, {}, TextId::UmformungNenner};
    if (zaehler && nenner && vorzeichenNachOben && *nenner < 0) {
        zaehler = sub16(0, *zaehler);
        nenner = sub16(0, *nenner);
    }
    if (!zaehler || !nenner) return {0, 1, {}, TextId::UmformungBereich};
    return {*zaehler, *nenner, GanzOderBruch(*zaehler, *nenner), TextId::Keine};
}

}  // namespace staffel
