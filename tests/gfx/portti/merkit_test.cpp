// Typed UTF-8 text to the game's Windows-1252 characters.
#include "gfx/portti/merkit.h"

#include <gtest/gtest.h>

namespace {

TEST(Merkit1252, EachCharacterToItsByteAndTheRestDropped) {
    const struct {
        const char* kuvaus;
        std::string utf8;
        std::string odotus;
    } kTapaukset[] = {
        {"ASCII as it is", "a Z~0", "a Z~0"},
        {"a-umlaut", "\xC3\xA4", "\xE4"},
        {"o-umlaut", "\xC3\xB6", "\xF6"},
        {"capital A-umlaut and y-umlaut", "\xC3\x84\xC3\xBF", "\xC4\xFF"},
        {"no-break space", "\xC2\xA0", "\xA0"},
        {"euro sign", "\xE2\x82\xAC", "\x80"},
        {"low quote, dagger, per mille", "\xE2\x80\x9A\xE2\x80\xA0\xE2\x80\xB0", "\x82\x86\x89"},
        {"S caron, Z caron, Y diaeresis", "\xC5\xA0\xC5\xBD\xC5\xB8", "\x8A\x8E\x9F"},
        {"trade mark, em dash", "\xE2\x84\xA2\xE2\x80\x94", "\x99\x97"},
        {"A macron: not in the code page", "x\xC4\x80y", "xy"},
        {"a C1 control: not in the code page", "x\xC2\x85y", "xy"},
        {"an emoji: not in the code page", "x\xF0\x9F\x98\x80y", "xy"},
        {"Cyrillic: not in the code page", "\xD0\x96", ""},
        {"a lone continuation byte", "x\x80y", "xy"},
        {"a lead byte cut off at the end", "x\xC3", "x"},
        {"a lead byte cut off by a letter",
         "\xC3"
         "a",
         "a"},
        {"euro sign cut short",
         "\xE2\x82"
         "b",
         "b"},
        {"overlong slash",
         "\xC0\xAF"
         "c",
         "c"},
        {"overlong three-byte",
         "\xE0\x80\xAF"
         "d",
         "d"},
        {"a surrogate",
         "\xED\xA0\x80"
         "e",
         "e"},
        {"beyond U+10FFFF",
         "\xF4\x90\x80\x80"
         "f",
         "f"},
        {"bytes that start nothing",
         "\xF8\xFE\xFF"
         "g",
         "g"},
        {"empty", "", ""},
    };
    for (const auto& t : kTapaukset) {
        SCOPED_TRACE(t.kuvaus);
        EXPECT_EQ(merkit_1252(t.utf8), t.odotus);
    }
}

TEST(Merkit1252, UndefinedBytesOfTheCodePageHaveNoCharacter) {
    // 0x81, 0x8D, 0x8F, 0x90 and 0x9D are undefined, so no code point may map onto them, and the C1
    // controls that share their numbers must not slip through as those bytes.
    for (uint32_t koodi : {0x81u, 0x8Du, 0x8Fu, 0x90u, 0x9Du, 0x80u, 0x9Fu, 0xFFFDu, 0x110000u}) {
        SCOPED_TRACE(koodi);
        EXPECT_EQ(merkki_1252(koodi), -1);
    }
    EXPECT_EQ(merkki_1252(0x20AC), 0x80);
    EXPECT_EQ(merkki_1252(0x0178), 0x9F);
    EXPECT_EQ(merkki_1252(0xE4), 0xE4);
}

}  // namespace
