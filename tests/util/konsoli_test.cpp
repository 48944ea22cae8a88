// The console helpers: the number prompt on string streams, clearing, the pause and the date text.
#include "util/konsoli.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>

namespace {

const std::string kAlue = "VIRHE: Anna luku alueelta ";
const std::string kYksi = "VIRHE: Anna luku ";

TEST(Kysyluku, AnswersAndWhatIsWritten) {
    const struct {
        const char* kuvaus;
        std::string syote;
        uint32_t ala, yla;
        bool oletus;
        uint32_t odotettu;
        std::string tuloste;
    } tapaukset[] = {
        {"empty line takes the default", "\n", 1, 10, true, 10, "? "},
        {"blank line takes the default", " \t\r\n", 1, 10, true, 10, "? "},
        {"a number beats the default", "4\n", 1, 10, true, 4, "? "},
        {"without a default an empty line asks again", "\n7\n", 1, 10, false, 7, "? ? "},
        {"out of range twice", "0\n11\n7\n", 1, 10, false, 7, "? " + kAlue + "1 - 10.\n? " + kAlue + "1 - 10.\n? "},
        {"text after the number is ignored", "12abc\n", 1, 20, false, 12, "? "},
        {"blanks before the number", "  42 x\n", 1, 100, false, 42, "? "},
        {"no number asks again without a word", "abc\n\n3\n", 1, 10, false, 3, "? ? ? "},
        {"a range of one number", "3\n5\n", 5, 5, false, 5, "? " + kYksi + "5.\n? "},
        {"too large for 32 bits is no number", "99999999999\n6\n", 1, 10, false, 6, "? ? "},
        {"the bounds themselves", "0\n", 0, 4294967295u, false, 0, "? "},
        {"last line without a line break", "9", 1, 10, false, 9, "? "},
        {"ended input takes the default", "", 1, 10, true, 10, "? "},
        {"ended input without a default gives the lower bound", "", 1, 10, false, 1, "? " + kAlue + "1 - 10.\n"},
        {"input ends after a line without a number", "abc", 3, 9, false, 3, "? ? " + kAlue + "3 - 9.\n"},
        {"input ends after a number out of range", "50\n", 4, 4, false, 4, "? " + kYksi + "4.\n? " + kYksi + "4.\n"},
    };
    for (const auto& t : tapaukset) {
        SCOPED_TRACE(t.kuvaus);
        std::istringstream sisaan(t.syote);
        std::ostringstream ulos;
        EXPECT_EQ(kysyluku(sisaan, ulos, "? ", t.ala, t.yla, t.oletus), t.odotettu);
        EXPECT_EQ(ulos.str(), t.tuloste);
    }
}

TEST(Kysyluku, DefaultFlagIsOnWhenLeftOut) {
    std::istringstream sisaan("\n");
    std::ostringstream ulos;
    EXPECT_EQ(kysyluku(sisaan, ulos, "Luku: ", 2, 8), 8u);
    EXPECT_EQ(ulos.str(), "Luku: ");
}

// The standard streams stand in for a console: the prompt reads and writes them.
class Konsoli : public ::testing::Test {
  protected:
    void SetUp() override {
        vanha_sisaan = std::cin.rdbuf(sisaan.rdbuf());
        vanha_ulos = std::cout.rdbuf(ulos.rdbuf());
    }
    void TearDown() override {
        std::cin.rdbuf(vanha_sisaan);
        std::cout.rdbuf(vanha_ulos);
    }
    std::istringstream sisaan;
    std::ostringstream ulos;
    std::streambuf* vanha_sisaan = nullptr;
    std::streambuf* vanha_ulos = nullptr;
};

TEST_F(Konsoli, PromptUsesStandardStreams) {
    sisaan.str("15\n3\n");
    EXPECT_EQ(kysyluku("Anna: ", 1, 9, false), 3u);
    EXPECT_EQ(ulos.str(), "Anna: " + kAlue + "1 - 9.\nAnna: ");
}

#ifndef _WIN32
// Without the commands of Windows: the terminal's clear sequence, and a pause that takes one line.
TEST_F(Konsoli, ClearAndPauseOnATerminal) {
    tyhjennaruutu();
    EXPECT_EQ(ulos.str(), "\x1b[2J\x1b[H");
    sisaan.str("jatka\n8\n");
    tauko();
    EXPECT_EQ(kysyluku("", 1, 9, false), 8u);
}
#endif

TEST(HaeAika, FixedFormOfTheLocalTime) {
    const std::string aika = haeAika();
    ASSERT_EQ(aika.size(), 25u);
    EXPECT_EQ(aika.back(), '\n');
    const std::string paivat = "SunMonTueWedThuFriSat";
    const std::string kuut = "JanFebMarAprMayJunJulAugSepOctNovDec";
    EXPECT_EQ(paivat.find(aika.substr(0, 3)) % 3, 0u);
    EXPECT_NE(paivat.find(aika.substr(0, 3)), std::string::npos);
    EXPECT_NE(kuut.find(aika.substr(4, 3)), std::string::npos);
    EXPECT_EQ(aika[13], ':');
    EXPECT_EQ(aika[16], ':');
}

}  // namespace
