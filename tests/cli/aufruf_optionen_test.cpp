#include "cli/aufruf_optionen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

namespace {

using staffel::cli::AufrufOption;
using staffel::cli::aufrufOptionen;

std::string manSeite() {
    std::ifstream datei(STAFFEL_MAN_PAGE);
    std::string seite{std::istreambuf_iterator<char>(datei), {}};
    for (std::size_t i = seite.find("\\-"); i != std::string::npos; i = seite.find("\\-", i)) {
        seite.erase(i, 1);
    }
    return seite;
}

// ".BI --jobs " N"" as the reader sees it: the macro's arguments joined, "--jobs N".
std::string gesetzt(const std::string& zeile) {
    const std::size_t makro = zeile.starts_with('.') ? std::min(zeile.find(' '), zeile.size()) : 0;
    std::string text;
    bool inAnfuehrung = false;
    for (const char c : zeile.substr(makro)) {
        if (c == '"') {
            inAnfuehrung = !inAnfuehrung;
        } else if (c != ' ' || inAnfuehrung) {
            text += c;
        }
    }
    return text;
}

// A new option needs its entry under OPTIONEN, with its short name and its value as the table
// has them, and a name the page still shows must be an option.
TEST(CliOptionen, TheManPageDescribesExactlyTheTablesOptions) {
    const std::string seite = manSeite();
    std::set<std::string> tabelle;
    std::set<std::string> namen;
    for (const AufrufOption& o : aufrufOptionen()) {
        std::string eintrag = o.kurz.empty() ? "" : "-" + std::string(o.kurz) + ", ";
        eintrag += "--" + std::string(o.name);
        if (!o.wert.empty()) eintrag += " " + std::string(o.wert);
        tabelle.insert(eintrag);
        namen.insert("--" + std::string(o.name));
    }

    const std::size_t anfang = seite.find("\n.SH OPTIONEN\n") + 1;
    std::istringstream abschnitt(seite.substr(anfang, seite.find("\n.SH ", anfang) - anfang));
    std::set<std::string> eintraege;
    for (std::string zeile; std::getline(abschnitt, zeile);) {
        if (zeile == ".TP" && std::getline(abschnitt, zeile)) eintraege.insert(gesetzt(zeile));
    }
    EXPECT_EQ(eintraege, tabelle);

    const auto kleinOderStrich = [](char c) { return (c >= 'a' && c <= 'z') || c == '-'; };
    for (std::size_t i = seite.find("--"); i != std::string::npos; i = seite.find("--", i + 2)) {
        if (i + 2 >= seite.size() || seite[i + 2] < 'a' || seite[i + 2] > 'z') continue;
        const auto ende = std::find_if_not(seite.begin() + i + 2, seite.end(), kleinOderStrich);
        const std::string name(seite.begin() + i, ende);
        EXPECT_TRUE(namen.contains(name)) << name;
    }
}

}  // namespace
