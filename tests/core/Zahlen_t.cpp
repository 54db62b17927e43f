#include "core/Zahlen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "tests/core/Ausgang.h"

using namespace nodra;

namespace {
bool Konvertierungsfehler(const char* text) {
    try {
        Zahl_Streng(text);
    } catch (const Laufzeitfehler& f) {
        return f.art() == Laufzeitfehler::Art::Konvertierung;
    }
    return false;
}
bool Ueberlauf(auto&& f) {
    try {
        f();
    } catch (const Laufzeitfehler& e) {
        return e.art() == Laufzeitfehler::Art::Ueberlauf;
    }
    return false;
}
}  // namespace

TEST(ZahlStreng, LiestTabellenzellenMitDezimalkomma) {
    EXPECT_DOUBLE_EQ(Zahl_Streng("1,3"), 1.3);
    EXPECT_DOUBLE_EQ(Zahl_Streng("0,11"), 0.11);
    EXPECT_DOUBLE_EQ(Zahl_Streng("5,1"), 5.1);
    EXPECT_EQ(Zahl_Streng("-15"), -15.0);
    EXPECT_EQ(Zahl_Streng("+7"), 7.0);
    EXPECT_EQ(Zahl_Streng("  42 "), 42.0);
    EXPECT_EQ(Zahl_Streng("007"), 7.0);
}

TEST(ZahlStreng, PunktIstTausendertrennzeichen) {
    EXPECT_EQ(Zahl_Streng("1.500"), 1500.0);
    EXPECT_DOUBLE_EQ(Zahl_Streng("1.234,5"), 1234.5);
}

TEST(ZahlStreng, AllesAndereIstKonvertierungsfehler) {
    for (const char* t : {"", "   ", "-", "+", ",", "1,", ",5", "1,2,3", "12a", "1 2", "1e5", "abc",
                          "1,2.3", "\t1", "--1"})
        EXPECT_TRUE(Konvertierungsfehler(t)) << '"' << t << '"';
}

TEST(ZahlStreng, RiesigeZahlIstUeberlauf) {
    const std::string riesig(400, '9');
    EXPECT_TRUE(Ueberlauf([&] { Zahl_Streng(riesig); }));
}

TEST(ZahlPraefix, LiestDenLaengstenZahlenanfang) {
    EXPECT_EQ(Zahl_Praefix(""), 0.0);
    EXPECT_EQ(Zahl_Praefix("12,5"), 12.0);
    EXPECT_EQ(Zahl_Praefix("4 5"), 45.0);
    EXPECT_EQ(Zahl_Praefix("1.5"), 1.5);
    EXPECT_EQ(Zahl_Praefix(" \t\n-3x"), -3.0);
    EXPECT_EQ(Zahl_Praefix("abc"), 0.0);
    EXPECT_EQ(Zahl_Praefix("-"), 0.0);
    EXPECT_EQ(Zahl_Praefix(".5"), 0.5);
    EXPECT_EQ(Zahl_Praefix("5."), 5.0);
    EXPECT_EQ(Zahl_Praefix("1.2.3"), 1.2);
    EXPECT_EQ(Zahl_Praefix("< 54"), 0.0);
    EXPECT_EQ(Zahl_Praefix("54 ... 81"), 54.0);
}

TEST(ZahlPraefix, ExponentMitEOderD) {
    EXPECT_EQ(Zahl_Praefix("1E3"), 1000.0);
    EXPECT_EQ(Zahl_Praefix("2d2"), 200.0);
    EXPECT_EQ(Zahl_Praefix("1.5e-1"), 0.15);
    EXPECT_EQ(Zahl_Praefix("3E"), 3.0);
    EXPECT_EQ(Zahl_Praefix("3E+"), 3.0);
    EXPECT_EQ(Zahl_Praefix("3E+0002"), 300.0);
    EXPECT_EQ(Zahl_Praefix("E5"), 0.0);
    EXPECT_TRUE(std::isinf(Zahl_Praefix("1e999999999")));
    EXPECT_EQ(Zahl_Praefix("1e-999999999"), 0.0);
    // Too small or too large without an exponent, and with both together.
    const std::string nullen(400, '0');
    EXPECT_EQ(Zahl_Praefix("0." + nullen + "1"), 0.0);
    EXPECT_EQ(Zahl_Praefix("-0." + nullen + "1"), 0.0);
    EXPECT_TRUE(std::isinf(Zahl_Praefix("1" + nullen)));
    EXPECT_EQ(Zahl_Praefix("1" + nullen + "e-800"), 0.0);
    EXPECT_TRUE(std::isinf(Zahl_Praefix("0." + nullen + "1e800")));
}

TEST(RundGerade, HalbeZurGeradenZahl) {
    EXPECT_EQ(Rund_Gerade(2.5), 2);
    EXPECT_EQ(Rund_Gerade(3.5), 4);
    EXPECT_EQ(Rund_Gerade(-2.5), -2);
    EXPECT_EQ(Rund_Gerade(40.5), 40);
    EXPECT_EQ(Rund_Gerade(41.5), 42);
    EXPECT_EQ(Rund_Gerade(64.29999923706055), 64);
    EXPECT_EQ(Rund_Gerade(-0.4), 0);
    EXPECT_EQ(Rund_Gerade(32767.4), 32767);
    EXPECT_EQ(Rund_Gerade(-32768.5), -32768);
}

TEST(RundGerade, AusserhalbIstUeberlauf) {
    EXPECT_TRUE(Ueberlauf([] { Rund_Gerade(32767.5); }));
    EXPECT_TRUE(Ueberlauf([] { Rund_Gerade(-32769.0); }));
    EXPECT_TRUE(Ueberlauf([] { Rund_Gerade(std::numeric_limits<double>::infinity()); }));
    EXPECT_TRUE(Ueberlauf([] { Rund_Gerade(std::nan("")); }));
}

TEST(RundText, HalbeVonNullWeg) {
    EXPECT_EQ(Rund_Text(12.5, 0), "13");
    EXPECT_EQ(Rund_Text(2.5, 0), "3");
    EXPECT_EQ(Rund_Text(-2.5, 0), "-3");
    EXPECT_EQ(Rund_Text(1.25, 1), "1,3");
    EXPECT_EQ(Rund_Text(19.25093, 1), "19,3");
    EXPECT_EQ(Rund_Text(4.8249998092651367, 0), "5");
    EXPECT_EQ(Rund_Text(0.04, 1), "0,0");
    EXPECT_EQ(Rund_Text(-0.2, 0), "0");
    EXPECT_EQ(Rund_Text(9.96, 1), "10,0");
    EXPECT_EQ(Rund_Text(99.5, 0), "100");
    EXPECT_EQ(Rund_Text(0.5, 0), "1");
    EXPECT_EQ(Rund_Text(0.05, 1), "0,1");
    EXPECT_EQ(Rund_Text(203.33333333, 0), "203");
    EXPECT_EQ(Rund_Text(1e20, 0), "100000000000000000000");
    // 1.15 is stored just below the half; written with 15 digits it is one.
    EXPECT_EQ(Rund_Text(1.15, 1), "1,2");
    EXPECT_EQ(Rund_Text(-1.15, 1), "-1,2");
    EXPECT_EQ(Rund_Text(205.0 / 100 * 30, 0), "62");
    EXPECT_TRUE(Ueberlauf([] { Rund_Text(std::numeric_limits<double>::infinity(), 0); }));
}

TEST(RundText, LiestSichZurueck) {
    for (double x : {6.6, 19.3, -4.32, 0.0, 123.45, 7.05}) {
        EXPECT_NEAR(Zahl_Streng(Rund_Text(x, 1)), x, 0.05 + 1e-9) << x;
        EXPECT_EQ(Zahl_Streng(Rund_Text(x, 0)), Zahl_Praefix(Rund_Text(x, 0))) << x;
    }
}

TEST(Rund5, NaechstesVielfachesVon5) {
    const std::pair<int, int> faelle[] = {{0, 0},     {1, 0},     {2, 0},     {3, 5},     {7, 5},
                                          {8, 10},    {9, 10},    {12, 10},   {13, 15},   {98, 100},
                                          {99, 100},  {102, 100}, {147, 145}, {148, 150}, {46, 45},
                                          {32765, 32765}};
    for (auto [ein, aus] : faelle) EXPECT_EQ(Rund5(static_cast<Integer>(ein)), aus) << ein;
    for (int n = 0; n <= 32767; ++n) {
        const int erwartet = (n + 2) / 5 * 5;
        ASSERT_EQ(Rund5(static_cast<Integer>(n)), erwartet) << n;
    }
    EXPECT_EQ(Rund5(-13), -15);
    EXPECT_EQ(Rund5(32767), 32765);
    EXPECT_TRUE(Ueberlauf([] { Rund5(-32768); }));
}

TEST(Ganzzahl, UeberlaufIstFehler) {
    EXPECT_EQ(Plus(32000, 767), 32767);
    EXPECT_TRUE(Ueberlauf([] { Plus(32000, 768); }));
    EXPECT_TRUE(Ueberlauf([] { Minus(-32768, 1); }));
    EXPECT_TRUE(Ueberlauf([] { Negativ(-32768); }));
    EXPECT_EQ(Negativ(5), -5);
}

TEST(Single, SpeichernRundetAuf32Bit) {
    EXPECT_EQ(Als_Single(19.3), 19.3F);
    EXPECT_NE(static_cast<double>(Als_Single(19.3)), 19.3);
    EXPECT_TRUE(Ueberlauf([] { Als_Single(1e300); }));
}

// The shortcuts without a text must give exactly what the way over the text
// gives: the same bits of the value, or the same error.
namespace {

#if defined(__SANITIZE_ADDRESS__)
// Fewer cases under the sanitizers.
constexpr int Zufallsfaelle = 50'000;
constexpr int Haelften = 2'000;
constexpr int Faktorschritt = 7;
#else
constexpr int Zufallsfaelle = 500'000;
constexpr int Haelften = 12'000;
constexpr int Faktorschritt = 1;
#endif

using test::Ausgang;

// Rounding to 5 as it was first written, on the decimal text.
Integer Rund5_ueber_Text(Integer wert) {
    if (wert < 0) {
        const int betrag = -static_cast<int>(wert);
        if (betrag > 32767) throw Laufzeitfehler(Laufzeitfehler::Art::Ueberlauf, "Ueberlauf bei der Rundung auf 5");
        return Negativ(Rund5_ueber_Text(static_cast<Integer>(betrag)));
    }
    const std::string text = std::to_string(wert);
    std::string kopf = text.substr(0, text.size() - 1);
    char letzte = text.back();
    if (letzte == '8' || letzte == '9') {
        kopf = std::to_string(static_cast<long>(Zahl_Praefix(kopf) + 1.0));
        letzte = '0';
    } else {
        letzte = letzte <= '2' ? '0' : '5';
    }
    return Rund_Gerade(Zahl_Praefix(kopf + letzte));
}

// Rounding to a text as it is defined, the long way for every value: the
// value written with 15 significant digits, those digits rounded, halves
// away from zero.
std::string Rund_ueber_15_Stellen(double wert, int stellen) {
    if (!std::isfinite(wert)) throw Laufzeitfehler(Laufzeitfehler::Art::Ueberlauf, "Zahl nicht darstellbar");
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.14e", wert);
    const std::string s(puffer);
    const bool negativ = s[0] == '-';
    const std::size_t e = s.find('e');
    std::string ziffern;
    for (std::size_t i = 0; i < e; ++i)
        if (std::isdigit(static_cast<unsigned char>(s[i]))) ziffern += s[i];
    const long behalten = std::atol(s.c_str() + e + 1) + 1 + stellen;  // digits before the cut
    std::string kopf = "0";
    if (wert != 0.0 && behalten >= 0) {
        kopf = "0" + ziffern.substr(0, static_cast<std::size_t>(std::min<long>(behalten, 15)));
        while (kopf.size() < static_cast<std::size_t>(behalten) + 1) kopf += '0';
        if (behalten < 15 && ziffern[static_cast<std::size_t>(behalten)] >= '5') {
            std::size_t k = kopf.size();
            while (kopf[--k] == '9') kopf[k] = '0';
            ++kopf[k];
        }
        kopf = kopf.substr(std::min(kopf.find_first_not_of('0'), kopf.size() - 1));
    }
    if (stellen > 0) {
        if (kopf.size() < 2) kopf = "0" + kopf;
        kopf = kopf.substr(0, kopf.size() - 1) + "," + kopf.substr(kopf.size() - 1);
    }
    return (negativ && kopf.find_first_not_of("0,") != std::string::npos ? "-" : "") + kopf;
}

template <class F>
std::string Textausgang(F&& f) {
    try {
        return f();
    } catch (const Laufzeitfehler& e) {
        return "Fehler " + std::to_string(static_cast<int>(e.art())) + ": " + e.what();
    }
}

void Rundungen_Vergleichen(double x) {
    for (int n : {0, 1}) {
        ASSERT_EQ(Textausgang([&] { return Rund_Text(x, n); }), Textausgang([&] { return Rund_ueber_15_Stellen(x, n); }))
            << x << " auf " << n;
        ASSERT_EQ(Ausgang([&] { return Rund_Zahl(x, n); }), Ausgang([&] { return Zahl_Streng(Rund_Text(x, n)); }))
            << x << " auf " << n;
    }
    ASSERT_EQ(Ausgang([&] { return Rund_Zahl_Praefix(x); }), Ausgang([&] { return Zahl_Praefix(Rund_Text(x, 0)); }))
        << x;
}

}  // namespace

TEST(Rund5, GleichDerRundungAmTextFuerJedeGanzzahl) {
    for (int n = -32768; n <= 32767; ++n) {
        const auto w = static_cast<Integer>(n);
        ASSERT_EQ(Ausgang([&] { return static_cast<double>(Rund5(w)); }),
                  Ausgang([&] { return static_cast<double>(Rund5_ueber_Text(w)); }))
            << n;
    }
}

TEST(RundText, KurzerWegGleichDenFuenfzehnStellen) {
    // Halves, near halves and whole numbers, scaled for one decimal too.
    for (int k = -Haelften; k <= Haelften; ++k)
        for (double x : {k / 2.0, k / 20.0, k * 0.05, k / 10.0 + 0.05, k / 3.0})
            for (double y : {x, std::nextafter(x, -1e300), std::nextafter(x, 1e300)}) Rundungen_Vergleichen(y);
    // Products and quotients of the kind the calculation rounds.
    for (int a = 0; a <= 100; a += Faktorschritt)
        for (int b = -20; b <= 400; ++b) {
            Rundungen_Vergleichen(a * static_cast<double>(b) / 100.0);
            Rundungen_Vergleichen(static_cast<double>(static_cast<float>(b / 10.0)) * a / 100.0);
        }
    // Zero, the edges of the shortcut, large and not finite values.
    const double grenzen[] = {0.0, -0.0, 1e6, 1e5, 999999.5, 99999.95, 1e15, -1e15, 1e20, 1.7976931348623157e308,
                              -1.7976931348623157e308, 4.9e-324, std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(), std::nan("")};
    for (double x : grenzen) Rundungen_Vergleichen(x);
    // Random values over every range of a Double, and in the range of the
    // values of the calculation.
    std::mt19937_64 zufall(20);
    for (int i = 0; i < Zufallsfaelle / 2; ++i) {
        double x = 0.0;
        const std::uint64_t bits = zufall();
        std::memcpy(&x, &bits, sizeof x);
        Rundungen_Vergleichen(x);
        Rundungen_Vergleichen(std::uniform_real_distribution<double>(-2e6, 2e6)(zufall) /
                              static_cast<double>(1 << (zufall() % 24)));
    }
}

TEST(ZahlStrengLesbar, GleichDemStrengenLesen) {
    for (const std::string& t : std::vector<std::string>{"", " ", "12", "-7", "+3", "0,11", "1.500", "1.234,5", "12a", "1,", ",5", " 42 ",
                                "1e5", "007", "-0", "99999999999", "0,1234567890123456789", std::string(400, '9')}) {
        double w = 0.0;
        const bool lesbar = Zahl_Streng_Lesbar(t, w);
        bool fehler = false;
        double v = 0.0;
        try {
            v = Zahl_Streng(t);
        } catch (const Laufzeitfehler&) {
            fehler = true;
        }
        ASSERT_EQ(lesbar, !fehler) << t;
        if (lesbar) {
            EXPECT_EQ(Ausgang([&] { return w; }), Ausgang([&] { return v; })) << t;
        }
    }
}

// A text that begins with a blank is always read the long way; the short
// ways must give the same for every text.
TEST(ZahlPraefix, KurzerWegGleichDemLangen) {
    const std::string zeichen = "0123456789  \t\n.,+-EeDdx<";
    std::mt19937 zufall(3);
    for (int i = 0; i < 200'000; ++i) {
        std::string t(static_cast<std::size_t>(zufall() % 12), ' ');
        for (char& c : t) c = zeichen[zufall() % zeichen.size()];
        ASSERT_EQ(Ausgang([&] { return Zahl_Praefix(t); }), Ausgang([&] { return Zahl_Praefix(" " + t); })) << t;
    }
}
