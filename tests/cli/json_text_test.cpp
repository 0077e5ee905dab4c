#include "cli/json_text.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>
#include <cstring>
#include <random>
#include <string_view>

namespace {

using namespace std::string_view_literals;

// What QJsonDocument writes for the value, without the brackets of the array around it.
std::string wieQt(const QJsonValue& wert) {
    const QByteArray json = QJsonDocument(QJsonArray{wert}).toJson(QJsonDocument::Compact);
    return json.mid(1, json.size() - 2).toStdString();
}

TEST(JsonText, WritesNumbersAsQJsonDocument) {
    std::vector<double> werte = {-0.0, 1e-4, 0.00012345, 9e15, 9.1e15, 1.23456789012e16, NAN};
    std::mt19937_64 zufall(42);
    for (int i = 0; i < 50000; ++i) {
        const std::uint64_t bits = zufall();
        double wert = 0;
        std::memcpy(&wert, &bits, sizeof wert);
        werte.push_back(wert);
        // Few digits, and whole numbers on both sides of 2^53.
        werte.push_back(static_cast<double>(bits % 1000) * std::pow(10.0, (bits >> 58) - 20.0));
        werte.push_back(
            std::ldexp(static_cast<double>(bits >> 40), static_cast<int>(bits % 90) - 30));
    }
    for (const double wert : werte) {
        std::string json;
        staffel::cli::jsonZahl(json, wert);
        ASSERT_EQ(json, wieQt(wert)) << wert;
    }
}

TEST(JsonText, WritesTextsAsQJsonDocument) {
    for (const std::string_view text :
         {"a\"b\\c\b\f\n\r\t\x01\x1f\x7f/"sv, "Vorgänger ∞ 😀"sv, "\xef\xbb\xbf\xef\xbb\xbf"sv,
          "\xed\xa0\x80"sv, "\xc0\x80"sv, "\xf4\x90\x80\x80"sv, "a\xc3"sv, "\0x"sv}) {
        std::string json;
        staffel::cli::jsonText(json, text);
        EXPECT_EQ(json, wieQt(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
    }
}

}  // namespace
