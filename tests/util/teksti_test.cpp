// Tests of the text and number helpers: conversions, padding, trimming, blank tests, case and order.
#include "util/teksti.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Int2String, UnsignedAndSignedDecimal) {
    EXPECT_EQ(int2string(0u), "0");
    EXPECT_EQ(int2string(7u), "7");
    EXPECT_EQ(int2string(100u), "100");
    EXPECT_EQ(int2string(4294967295u), "4294967295");
    EXPECT_EQ(int2string(int32_t{0}), "0");
    EXPECT_EQ(int2string(int32_t{-5}), "-5");
    EXPECT_EQ(int2string(int32_t{2147483647}), "2147483647");
    EXPECT_EQ(int2string(INT32_MIN), "-2147483648");
}

TEST(Int2String2, AtLeastTwoDigits) {
    EXPECT_EQ(int2string2(0), "00");
    EXPECT_EQ(int2string2(9), "09");
    EXPECT_EQ(int2string2(10), "10");
    EXPECT_EQ(int2string2(123), "123");
}

TEST(String2Int, ReadsTheLeadingNumber) {
    struct Tapaus {
        const char* kuvaus;
        std::string teksti;
        int32_t odotettu;
    };
    const std::vector<Tapaus> tapaukset = {
        {"blanks then digits then text", "  42xyz", 42},
        {"no number", "xyz", 0},
        {"empty", "", 0},
        {"only white space", " \t\r\n", 0},
        {"plus sign", "+17", 17},
        {"minus sign fails", "-5", 0},
        {"leading zeros", "0042", 42},
        {"largest unsigned value comes back as its signed bits", "4294967295", -1},
        {"too large", "4294967296", 0},
        {"far too large", "99999999999999999999", 0},
        {"sign without digits", "+x", 0},
    };
    for (const Tapaus& t : tapaukset) {
        SCOPED_TRACE(t.kuvaus);
        EXPECT_EQ(string2int(t.teksti), t.odotettu);
    }
}

TEST(Pidenna, PadsOnTheRightNeverCuts) {
    EXPECT_EQ(pidenna(std::string("ab"), 4), "ab  ");
    EXPECT_EQ(pidenna(std::string("abcdef"), 4), "abcdef");
    EXPECT_EQ(pidenna(std::string(), 0), "");
    EXPECT_EQ(pidenna(std::string(), 3), "   ");
    EXPECT_EQ(pidenna(42u, 5), "42   ");
    EXPECT_EQ(pidenna(int32_t{-42}, 5), "-42  ");
    EXPECT_EQ(pidenna(4294967295u, 3), "4294967295");
}

TEST(Lyhenna, TrimsTheSixWhiteSpaceBytesAtBothEnds) {
    struct Tapaus {
        const char* kuvaus;
        std::string teksti;
        std::string odotettu;
    };
    const std::vector<Tapaus> tapaukset = {
        {"only white space", " \t\n\v\f\r", ""},
        {"inner blank stays", " a b\t", "a b"},
        {"empty", "", ""},
        {"nothing to trim", "PCPC-AADA", "PCPC-AADA"},
        {"CR LF at the end", "PCPC-AADA\r\n", "PCPC-AADA"},
        {"0xA0 and 0x85 are not white space", "\xA0x\x85", "\xA0x\x85"},
        {"single character", " x ", "x"},
    };
    for (const Tapaus& t : tapaukset) {
        SCOPED_TRACE(t.kuvaus);
        EXPECT_EQ(lyhenna(t.teksti), t.odotettu);
    }
}

TEST(Onkotyhja, TrueOnlyForEmptyOrAllWhiteSpace) {
    EXPECT_TRUE(onkotyhja(""));
    EXPECT_TRUE(onkotyhja("  \t "));
    EXPECT_TRUE(onkotyhja("\r\n\v\f"));
    EXPECT_FALSE(onkotyhja(" x "));
    EXPECT_FALSE(onkotyhja("\xA0"));
    EXPECT_FALSE(onkotyhja(std::string(1, '\0')));
}

TEST(ToUpper, OnlyAsciiLettersChange) {
    EXPECT_EQ(toUpper("abc-\xE4"
                      "1"),
              "ABC-\xE4"
              "1");
    EXPECT_EQ(toUpper("Sokkelo1.top"), "SOKKELO1.TOP");
    EXPECT_EQ(toUpper("\xF6\xE5\xFF{`}"), "\xF6\xE5\xFF{`}");
    EXPECT_EQ(toUpper(""), "");
}

TEST(Aakkosta, CaseBlindOrderOfSignedBytes) {
    struct Tapaus {
        const char* kuvaus;
        std::string eka;
        std::string toka;
        bool odotettu;
    };
    const std::vector<Tapaus> tapaukset = {
        {"case ignored, c before D", "abc", "ABD", true},
        {"d after c", "abd", "abc", false},
        {"longer after its prefix still true", "abc", "ab", true},
        {"prefix first", "ab", "abc", true},
        {"equal ignoring case", "ABC", "abc", true},
        {"0xD6 is negative, so before A", "\xD6", "A", true},
        {"A after 0xD6", "A", "\xD6", false},
        {"0x80 before 0xFF", "\x80", "\xFF", true},
        {"0xFF after 0x80", "\xFF", "\x80", false},
        {"upper-cased a sorts before _", "a", "_", true},
        {"empty first", "", "x", true},
    };
    for (const Tapaus& t : tapaukset) {
        SCOPED_TRACE(t.kuvaus);
        EXPECT_EQ(aakkosta(t.eka, t.toka), t.odotettu);
    }
}

}  // namespace
