#include "cli/aufruf_optionen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

using staffel::cli::AufrufOption;
using staffel::cli::aufrufOptionen;

std::string manSeite() {
    std::ifstream datei(STAFFEL_MAN_PAGE);
    std::string seite{std::istreambuf_iterator<char>(datei), {}};
    return std::regex_replace(seite, std::regex(R"(\\-)"), "-");
}

// ".BI --jobs " N"" as the reader sees it: the macro's arguments joined, "--jobs N".
std::string gesetzt(const std::string& zeile) {
    static const std::regex kArgument(R"re("([^"]*)"|([^ "]+))re");
    const std::size_t makro = zeile.starts_with('.') ? std::min(zeile.find(' '), zeile.size()) : 0;
    std::string text;
    for (auto it = std::sregex_iterator(zeile.begin() + makro, zeile.end(), kArgument);
         it != std::sregex_iterator(); ++it) {
        text += (*it)[1].matched ? (*it)[1].str() : (*it)[2].str();
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

    const std::regex kLangerName("--[a-z][a-z-]*");
    for (auto it = std::sregex_iterator(seite.begin(), seite.end(), kLangerName);
         it != std::sregex_iterator(); ++it) {
        EXPECT_TRUE(namen.contains(it->str())) << it->str();
    }
}

}  // namespace
