#include "app/tape/protokoll_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>

namespace staffel::app {

namespace {

const QString kFormat = QStringLiteral("staffelrechner-protokoll");
constexpr int kVersion = 2;
constexpr int kErsteVersion = 1;

// The row's texts under their keys; a key missing in the file reads as empty.
struct TextFeld {
    const char* schluessel;
    QString ProtokollZeile::*feld;
};
constexpr TextFeld kTextFelder[] = {
    {"druckzeile", &ProtokollZeile::druckzeile},
    {"rechenart", &ProtokollZeile::rechenart},
    {"aufzahl", &ProtokollZeile::aufzahl},
    {"basis", &ProtokollZeile::basis},
    {"exponent", &ProtokollZeile::exponent},
    {"ergebnis", &ProtokollZeile::ergebnis},
    {"meldung", &ProtokollZeile::meldung},
    {"name", &ProtokollZeile::name},
    {"fehlerMeldung", &ProtokollZeile::fehlerMeldung},
    {"groesse", &ProtokollZeile::groesse},
    {"id", &ProtokollZeile::id},
};
const QString kGueltig = QStringLiteral("gueltig");
const QString kZeit = QStringLiteral("zeit");
const QString kArt = QStringLiteral("art");
const QString kGeleertBis = QStringLiteral("geleertBis");

// A kind the file does not name is a value row, as every row of the first version.
constexpr std::pair<ZeilenArt, const char*> kArten[] = {
    {ZeilenArt::Wert, "wert"},
    {ZeilenArt::Abgelehnt, "abgelehnt"},
    {ZeilenArt::Graph, "graph"},
};

const char* artName(ZeilenArt art) {
    for (const auto& [a, name] : kArten) {
        if (a == art) return name;
    }
    return kArten[0].second;
}

ZeilenArt artAusName(const QString& name) {
    for (const auto& [art, n] : kArten) {
        if (name == QLatin1String(n)) return art;
    }
    return ZeilenArt::Wert;
}

bool brauchtEscape(QChar zeichen) {
    return zeichen == QLatin1Char('"') || zeichen == QLatin1Char('\\') || zeichen.unicode() < 0x20;
}

void jsonText(QString& ziel, const QString& text) {
    ziel += QLatin1Char('"');
    if (std::none_of(text.begin(), text.end(), brauchtEscape)) {
        ziel += text;
        ziel += QLatin1Char('"');
        return;
    }
    for (const QChar zeichen : text) {
        if (zeichen.unicode() < 0x20) {
            ziel += QStringLiteral("\\u%1").arg(zeichen.unicode(), 4, 16, QLatin1Char('0'));
            continue;
        }
        if (brauchtEscape(zeichen)) ziel += QLatin1Char('\\');
        ziel += zeichen;
    }
    ziel += QLatin1Char('"');
}

}  // namespace

// Written by hand, one row a line: building a QJsonDocument of 100 000 rows every minute
// would hold the window up for seconds.
QByteArray protokollJson(const ProtokollStand& stand) {
    QString text = QStringLiteral("{\"format\":\"%1\",\"version\":%2,\"%3\":%4,\"zeilen\":[")
                       .arg(kFormat)
                       .arg(kVersion)
                       .arg(kGeleertBis)
                       .arg(stand.geleertBis);
    for (std::size_t i = 0; i < stand.zeilen.size(); ++i) {
        const ProtokollZeile& zeile = stand.zeilen[i];
        text += QLatin1String(i == 0 ? "\n{" : ",\n{");
        for (const TextFeld& f : kTextFelder) {
            text += QLatin1Char('"') + QLatin1String(f.schluessel) + QLatin1String("\":");
            jsonText(text, zeile.*(f.feld));
            text += QLatin1Char(',');
        }
        text += QStringLiteral("\"%1\":\"%2\",\"%3\":%4,\"%5\":")
                    .arg(kArt, QLatin1String(artName(zeile.art)), kZeit)
                    .arg(zeile.zeit)
                    .arg(kGueltig);
        text += QLatin1String(zeile.gueltig ? "true}" : "false}");
    }
    text += QLatin1String("\n]}\n");
    return text.toUtf8();
}

std::optional<ProtokollStand> protokollAusJson(const QByteArray& text) {
    QJsonParseError fehler;
    const QJsonDocument dokument = QJsonDocument::fromJson(text, &fehler);
    const QJsonObject datei = dokument.object();
    const int version = datei.value(u"version").toInt();
    if (fehler.error != QJsonParseError::NoError || datei.value(u"format").toString() != kFormat ||
        version < kErsteVersion || version > kVersion || !datei.value(u"zeilen").isArray()) {
        return std::nullopt;
    }
    ProtokollStand stand;
    stand.geleertBis = datei.value(kGeleertBis).toInteger();
    for (const QJsonValue& wert : datei.value(u"zeilen").toArray()) {
        if (!wert.isObject()) return std::nullopt;
        const QJsonObject objekt = wert.toObject();
        ProtokollZeile zeile;
        for (const TextFeld& f : kTextFelder) {
            zeile.*(f.feld) = objekt.value(QLatin1String(f.schluessel)).toString();
        }
        zeile.gueltig = objekt.value(kGueltig).toBool();
        zeile.art = artAusName(objekt.value(kArt).toString());
        zeile.zeit = objekt.value(kZeit).toInteger();
        stand.zeilen.push_back(std::move(zeile));
    }
    return stand;
}

ProtokollZeilen zusammenfuehren(ProtokollZeilen datei, const ProtokollZeilen& neu,
                                qint64 geleertBis) {
    QSet<QString> bekannt;
    for (const ProtokollZeile& zeile : datei) {
        if (!zeile.id.isEmpty()) bekannt.insert(zeile.id);
    }
    for (const ProtokollZeile& zeile : neu) {
        if (zeile.id.isEmpty() || !bekannt.contains(zeile.id)) datei.push_back(zeile);
    }
    if (geleertBis > 0) {
        std::erase_if(
            datei, [geleertBis](const ProtokollZeile& zeile) { return zeile.zeit <= geleertBis; });
    }
    std::stable_sort(
        datei.begin(), datei.end(),
        [](const ProtokollZeile& a, const ProtokollZeile& b) { return a.zeit < b.zeit; });
    const std::size_t kMax = ProtokollModell::kMaxZeilen;
    if (datei.size() > kMax) {
        datei.erase(datei.begin(),
                    datei.begin() + static_cast<std::ptrdiff_t>(datei.size() - kMax));
    }
    return datei;
}

}  // namespace staffel::app
