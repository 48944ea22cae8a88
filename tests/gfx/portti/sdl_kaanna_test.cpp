// SDL events to window messages, with events built in the test: no display is opened.
#include "gfx/portti/sdl_kaanna.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

SDL_Event nappain(Uint32 laji, SDL_Keycode koodi, Uint8 toisto = 0) {
    SDL_Event e{};
    e.type = laji;
    e.key.type = laji;
    e.key.state = laji == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.repeat = toisto;
    e.key.keysym.sym = koodi;
    return e;
}

SDL_Event ikkunassa(SDL_WindowEventID tapahtuma, int a = 0, int b = 0) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.type = SDL_WINDOWEVENT;
    e.window.event = static_cast<Uint8>(tapahtuma);
    e.window.data1 = a;
    e.window.data2 = b;
    return e;
}

TEST(SdlKaanna, KeysGetTheVirtualKeyCodesWindowsUses) {
    const struct {
        const char* nimi;
        SDL_Keycode sdl;
        int vk;
    } kTapaukset[] = {
        {"Enter", SDLK_RETURN, 0x0D},
        {"keypad Enter", SDLK_KP_ENTER, 0x0D},
        {"Escape", SDLK_ESCAPE, 0x1B},
        {"Backspace", SDLK_BACKSPACE, 0x08},
        {"Tab", SDLK_TAB, 0x09},
        {"space", SDLK_SPACE, 0x20},
        {"Left", SDLK_LEFT, 0x25},
        {"Up", SDLK_UP, 0x26},
        {"Right", SDLK_RIGHT, 0x27},
        {"Down", SDLK_DOWN, 0x28},
        {"a", SDLK_a, 0x41},
        {"z", SDLK_z, 0x5A},
        {"q", SDLK_q, 0x51},
        {"0", SDLK_0, 0x30},
        {"9", SDLK_9, 0x39},
        {"F1", SDLK_F1, 0x70},
        {"left Shift", SDLK_LSHIFT, 0x10},
        {"Caps Lock", SDLK_CAPSLOCK, -1},
        {"a-umlaut key", 0xE4, -1},
    };
    for (const auto& t : kTapaukset) {
        SCOPED_TRACE(t.nimi);
        EXPECT_EQ(sdl_virtuaalinappain(t.sdl), t.vk);
        const Kaannos k = sdl_kaanna(nappain(SDL_KEYDOWN, t.sdl));
        if (t.vk < 0) {
            EXPECT_TRUE(k.viestit.empty());
            EXPECT_EQ(k.nappain, -1);
        } else {
            ASSERT_EQ(k.viestit.size(), 1u);
            EXPECT_EQ(k.viestit[0].viesti, static_cast<UINT>(WM_KEYDOWN));
            EXPECT_EQ(k.viestit[0].wParam, static_cast<WPARAM>(t.vk));
        }
    }
}

TEST(SdlKaanna, RepeatSetsBit30AndKeyUpReleasesTheHeldKey) {
    const struct {
        const char* kuvaus;
        SDL_Event e;
        UINT viesti;
        LPARAM lParam;
        bool alhaalla;
    } kTapaukset[] = {
        {"first press", nappain(SDL_KEYDOWN, SDLK_UP), WM_KEYDOWN, 1, true},
        {"auto-repeat", nappain(SDL_KEYDOWN, SDLK_UP, 1), WM_KEYDOWN, 1 | (1LL << 30), true},
        {"release", nappain(SDL_KEYUP, SDLK_UP), WM_KEYUP, 1 | (1LL << 30) | (1LL << 31), false},
    };
    for (const auto& t : kTapaukset) {
        SCOPED_TRACE(t.kuvaus);
        const Kaannos k = sdl_kaanna(t.e);
        ASSERT_EQ(k.viestit.size(), 1u);
        EXPECT_EQ(k.viestit[0].viesti, t.viesti);
        EXPECT_EQ(k.viestit[0].wParam, static_cast<WPARAM>(VK_UP));
        EXPECT_EQ(k.viestit[0].lParam, t.lParam);
        EXPECT_EQ(k.nappain, VK_UP);
        EXPECT_EQ(k.alhaalla, t.alhaalla);
    }
}

TEST(SdlKaanna, TextInputBecomesOneCharacterPerWindows1252Byte) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strcpy(e.text.text, "a\xC3\xA4\xE2\x82\xAC\xE2\x86\x92\xC3\xB6");  // a, a-umlaut, euro, an arrow, o-umlaut
    const Kaannos k = sdl_kaanna(e);
    ASSERT_EQ(k.viestit.size(), 4u);
    const WPARAM kOdotus[] = {0x61, 0xE4, 0x80, 0xF6};
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(k.viestit[i].viesti, static_cast<UINT>(WM_CHAR));
        EXPECT_EQ(k.viestit[i].wParam, kOdotus[i]);
    }
    EXPECT_EQ(k.nappain, -1);
}

TEST(SdlKaanna, WindowEventsCloseRepaintAndResize) {
    Kaannos k = sdl_kaanna(ikkunassa(SDL_WINDOWEVENT_CLOSE));
    ASSERT_EQ(k.viestit.size(), 1u);
    EXPECT_EQ(k.viestit[0].viesti, static_cast<UINT>(WM_CLOSE));

    k = sdl_kaanna(ikkunassa(SDL_WINDOWEVENT_EXPOSED));
    EXPECT_TRUE(k.maalaa);
    EXPECT_TRUE(k.viestit.empty());

    k = sdl_kaanna(ikkunassa(SDL_WINDOWEVENT_SIZE_CHANGED, 1024, 700));
    EXPECT_EQ(k.leveys, 1024);
    EXPECT_EQ(k.korkeus, 700);
    EXPECT_FALSE(k.maalaa);

    SDL_Event lopetus{};
    lopetus.type = SDL_QUIT;  // follows the close event; closing is already on its way
    k = sdl_kaanna(lopetus);
    EXPECT_TRUE(k.viestit.empty());
    EXPECT_EQ(k.leveys, -1);
}

}  // namespace
