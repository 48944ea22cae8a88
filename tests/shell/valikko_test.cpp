// The title, the name entry and the main menu, run as a whole game: what each screen shows, every change of
// screen, the selection frame, the name's editing rules, repaints and how often the screens present.
#include <string>
#include <vector>

#include "gfx/portti/tyhjo.h"
#include "shell/tila.h"
#include "tests/shell/peliajo.h"

namespace {

const COLORREF kVihrea = 0x0000FF00;
const COLORREF kMusta = 0x00000000;

// The top edge of each choice's selection frame, 1..7.
const int kKehys[] = {0, 130, 155, 180, 205, 230, 265, 290};

// The four bands of the selection frame whose top edge is y0: all black.
bool kehys_on(const Kuva& kuva, int y0) {
    const int x0 = 60;
    const int mustia = vareja(kuva, 0, x0, y0, x0 + 200, y0 + 3) + vareja(kuva, 0, x0, y0 + 24, x0 + 200, y0 + 27) +
                       vareja(kuva, 0, x0, y0 + 3, x0 + 3, y0 + 24) +
                       vareja(kuva, 0, x0 + 197, y0 + 3, x0 + 200, y0 + 24);
    return mustia == 2 * 200 * 3 + 2 * 3 * 21;
}

class Valikko : public Peliajo {
  protected:
    // Enter on the title, the name typed, Enter: the menu is up from 'ms' + 3 on.
    void anna_nimi(uint32_t ms, const std::string& nimi) {
        paina(ms, "Return");
        kirjoita(ms + 1, nimi);
        paina(ms + 2, "Return");
    }
};

TEST_F(Valikko, TitleShowsItsPictureAndTheGreenVersionAndIgnoresOtherKeys) {
    Kuva alussa, nappainten_jalkeen;
    int tila = -1;
    kuvaa(5, alussa);
    paina(10, "Up");
    paina(11, "Down");
    paina(12, "z");
    kirjoita(13, "abc");
    paina(14, "BackSpace");
    kuvaa(20, nappainten_jalkeen);
    kohdassa(20, [&] { tila = pelitilanne; });
    paina(30, "Return");
    sulje(40);
    EXPECT_EQ(aja(), 0);

    Odotus odotus("tausta1.bmp");
    odotus.teksti(655, 242, "v. 1.0", kVihrea);
    EXPECT_EQ(erot(alussa, odotus.kuva(), 0, 0, 800, 600), 0);
    EXPECT_GT(vareja(alussa, rgb(kVihrea), 655, 242, 705, 262), 0);
    EXPECT_EQ(erot(alussa, nappainten_jalkeen, 0, 0, 800, 600), 0);
    EXPECT_EQ(tila, 0);
    EXPECT_EQ(teksti, "") << "letters typed on the title must not reach the name";
}

TEST_F(Valikko, NameEntryShowsThePromptAndTheTypedNameWithItsCursor) {
    Kuva tyhjana, nimen_kanssa;
    paina(10, "Return");
    kuvaa(15, tyhjana);
    kirjoita(20, "J\xC3\xB6r\xC3\xB6 \xC3\xA4");  // "Jörö ä" in UTF-8
    kuvaa(25, nimen_kanssa);
    sulje(30);
    EXPECT_EQ(aja(), 0);

    Odotus tyhja("tausta4.bmp");
    tyhja.teksti(70, 90, "Anna nimesi: ", kMusta);
    tyhja.teksti(70, 115, "_", kMusta);
    EXPECT_EQ(erot(tyhjana, tyhja.kuva(), 0, 0, 800, 600), 0);
    Odotus nimi("tausta4.bmp");
    nimi.teksti(70, 90, "Anna nimesi: ", kMusta);
    nimi.teksti(70, 115, "J\xF6r\xF6 \xE4_", kMusta);
    EXPECT_EQ(erot(nimen_kanssa, nimi.kuva(), 0, 0, 800, 600), 0);
    EXPECT_EQ(teksti, "J\xF6r\xF6 \xE4");
}

// The whole menu screen of a player who came from the title with Escape: no name on the player line.
TEST_F(Valikko, EscapeOnTheTitleOpensTheMenuWithAnEmptyPlayerLine) {
    Kuva valikko;
    paina(10, "Escape");
    kuvaa(20, valikko);
    sulje(30);
    EXPECT_EQ(aja(), 0);

    struct Rivi {
        const char* teksti;
        int x, y;
    };
    const Rivi rivit[] = {
        {"Valitse:", 60, 110},
        {"Sokkelo, pieni", 70, 135},
        {"Sokkelo, iso", 70, 160},
        {"Sokkelo, \xE4lyt\xF6n", 70, 185},
        {"Poiminta, pieni", 70, 210},
        {"Poiminta, iso", 70, 235},
        {"Kokonaisajat", 70, 270},
        {"Vaihda pelaaja", 70, 295},
        {"Ohjeet:", 60, 340},
        {"Liiku sokkelossa nuolin\xE4pp\xE4imill\xE4.", 70, 365},
        {"Escill\xE4 p\xE4\xE4set takaisin valikkoon", 70, 390},
        {"tai pois pelist\xE4. Voit vieritt\xE4\xE4", 70, 415},
        {"oikealla n\xE4kyv\xE4\xE4 listaa n\xE4pp\xE4imill\xE4 a ja z,", 70, 440},
        {"jos se ei mahdu kerralla ruudulle.", 70, 465},
    };
    Odotus odotus("tausta3.bmp");
    odotus.teksti(155, 22, "v. 1.0", kVihrea);
    for (int x = 60; x < 260; ++x) {
        for (int y = 130; y < 157; ++y) {
            if (y < 133 || y > 153 || x < 63 || x > 256) {
                odotus.pikseli(x, y, kMusta);
            }
        }
    }
    for (const Rivi& r : rivit) {
        odotus.teksti(r.x, r.y, r.teksti, kMusta);
    }
    odotus.teksti(500, 10, "Nykyinen pelaaja: ", kVihrea);
    EXPECT_EQ(erot(valikko, odotus.kuva(), 0, 0, 800, 600), 0);
    EXPECT_EQ(pelaaja, "");
}

TEST_F(Valikko, TheFrameStartsOnTheFirstChoiceAndWrapsBothWays) {
    struct Askel {
        const char* nappain;
        int valinta;  // the choice framed after the key
    };
    const std::vector<Askel> askeleet = {{nullptr, 1}, {"Down", 2}, {"Down", 3}, {"Down", 4}, {"Down", 5},
                                         {"Down", 6},  {"Down", 7}, {"Down", 1}, {"Up", 7},   {"Up", 6}};
    std::vector<Kuva> kuvat(askeleet.size());
    paina(10, "Escape");
    for (size_t i = 0; i < askeleet.size(); ++i) {
        if (askeleet[i].nappain) {
            paina(20 + 10 * static_cast<uint32_t>(i), askeleet[i].nappain);
        }
        kuvaa(25 + 10 * static_cast<uint32_t>(i), kuvat[i]);
    }
    sulje(200);
    EXPECT_EQ(aja(), 0);

    const Kuva tausta = Odotus("tausta3.bmp").kuva();
    for (size_t i = 0; i < askeleet.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i) + ": choice " + std::to_string(askeleet[i].valinta));
        for (int valinta = 1; valinta <= 7; ++valinta) {
            EXPECT_EQ(kehys_on(kuvat[i], kKehys[valinta]), valinta == askeleet[i].valinta) << "frame " << valinta;
        }
        // Inside the frame, right of the text, the background shows.
        const int y = kKehys[askeleet[i].valinta] + 12;
        EXPECT_EQ(erot(kuvat[i], tausta, 220, y, 255, y + 2), 0);
    }
}

TEST_F(Valikko, EnterOnTotalTimesChangesNothingUntilAnotherKey) {
    Kuva ennen, jalkeen, alas;
    uint64_t esityksia_ennen = 0, esityksia_jalkeen = 0;
    int tila = -1;
    anna_nimi(10, "Matti");
    paina(20, "Up");
    paina(21, "Up");  // "Kokonaisajat"
    kuvaa(30, ennen);
    kohdassa(30, [&] { esityksia_ennen = tyhjo_esityksia(); });
    paina(31, "Return");
    kuvaa(200, jalkeen);
    kohdassa(200, [&] {
        esityksia_jalkeen = tyhjo_esityksia();
        tila = pelitilanne;
    });
    paina(210, "Down");
    kuvaa(220, alas);
    sulje(230);
    EXPECT_EQ(aja(), 0);

    EXPECT_TRUE(kehys_on(ennen, kKehys[6]));
    EXPECT_EQ(tila, 1);
    EXPECT_EQ(esityksia_jalkeen, esityksia_ennen);
    EXPECT_EQ(erot(ennen, jalkeen, 0, 0, 800, 600), 0);
    EXPECT_TRUE(kehys_on(alas, kKehys[7])) << "the next key is taken as usual";
}

TEST_F(Valikko, ChangingPlayerOpensTheNameEntryWithTheLastName) {
    Kuva nimi;
    int tila = -1;
    anna_nimi(10, "Matti");
    paina(20, "Up");  // "Vaihda pelaaja"
    paina(21, "Return");
    kuvaa(30, nimi);
    kohdassa(30, [&] { tila = pelitilanne; });
    paina(40, "BackSpace");
    paina(41, "BackSpace");
    kirjoita(42, "hias");
    paina(50, "Escape");  // accepts a name as Enter does
    int tila_lopussa = -1;
    kohdassa(80, [&] { tila_lopussa = pelitilanne; });
    sulje(90);
    EXPECT_EQ(aja(), 0);

    EXPECT_EQ(tila, 3);
    EXPECT_EQ(tila_lopussa, 1) << "the accepted name clears the Enter that opened the name entry";
    Odotus odotus("tausta4.bmp");
    odotus.teksti(70, 90, "Anna nimesi: ", kMusta);
    odotus.teksti(70, 115, "Matti_", kMusta);
    EXPECT_EQ(erot(nimi, odotus.kuva(), 0, 0, 800, 600), 0);
    EXPECT_EQ(pelaaja, "Mathias");
}

TEST_F(Valikko, ABlankNameIsRefusedByEnterAndEscape) {
    struct Yritys {
        const char* kuvaus;
        const char* kirjoitus;  // typed before the key
        const char* nappain;
    };
    const Yritys yritykset[] = {{"Enter with nothing typed", "", "Return"},
                                {"Escape with nothing typed", "", "Escape"},
                                {"Enter with blanks only", "   ", "Return"},
                                {"Escape with blanks only", "", "Escape"}};
    std::vector<int> tilat(std::size(yritykset), -1);
    paina(10, "Return");
    for (size_t i = 0; i < std::size(yritykset); ++i) {
        const uint32_t t = 20 + 10 * static_cast<uint32_t>(i);
        kirjoita(t, yritykset[i].kirjoitus);
        paina(t + 1, yritykset[i].nappain);
        kohdassa(t + 5, [&tilat, i] { tilat[i] = pelitilanne; });
    }
    kirjoita(100, "x");
    paina(101, "Return");
    sulje(110);
    EXPECT_EQ(aja(), 0);

    for (size_t i = 0; i < std::size(yritykset); ++i) {
        SCOPED_TRACE(yritykset[i].kuvaus);
        EXPECT_EQ(tilat[i], 3);
    }
    EXPECT_EQ(pelaaja, "   x") << "an accepted name keeps its blanks as typed";
}

TEST_F(Valikko, ANameHoldsSixteenCharactersAndNoControlCharacters) {
    paina(10, "Return");
    kirjoita(20, "abcdefghijklmnopq");  // seventeen
    paina(30, "BackSpace");
    paina(31, "Tab");
    kirjoita(32, "\xC3\xA4\xC3\xB6");  // "äö": only the first still fits
    paina(40, "Return");
    sulje(50);
    EXPECT_EQ(aja(), 0);
    EXPECT_EQ(pelaaja, "abcdefghijklmno\xE4");
}

TEST_F(Valikko, BackspaceOnAnEmptyNameDoesNothing) {
    paina(10, "Return");
    paina(20, "BackSpace");
    kirjoita(21, "\xC3\x84");  // "Ä"
    paina(22, "BackSpace");
    paina(23, "BackSpace");
    kirjoita(24, "\xC3\xB6");  // "ö"
    paina(30, "Return");
    sulje(40);
    EXPECT_EQ(aja(), 0);
    EXPECT_EQ(pelaaja, "\xF6");
}

TEST_F(Valikko, TheMenuPresentsOnlyOnAChangeAndTheNameEntryOnEveryPass) {
    struct Jakso {
        const char* kuvaus;
        uint32_t alku, loppu;
        uint64_t odotettu;  // presents between the two moments
    };
    const Jakso jaksot[] = {{"title", 5, 105, 0},
                            {"name entry", 120, 220, 100},
                            {"menu without a key", 240, 400, 0},
                            {"menu after Down and Up", 405, 450, 2}};
    std::vector<uint64_t> alussa(std::size(jaksot)), lopussa(std::size(jaksot));
    for (size_t i = 0; i < std::size(jaksot); ++i) {
        kohdassa(jaksot[i].alku, [&alussa, i] { alussa[i] = tyhjo_esityksia(); });
        kohdassa(jaksot[i].loppu, [&lopussa, i] { lopussa[i] = tyhjo_esityksia(); });
    }
    paina(110, "Return");
    kirjoita(115, "Matti");
    paina(230, "Return");
    paina(410, "Down");
    paina(420, "Up");
    sulje(460);
    EXPECT_EQ(aja(), 0);

    for (size_t i = 0; i < std::size(jaksot); ++i) {
        SCOPED_TRACE(jaksot[i].kuvaus);
        EXPECT_EQ(lopussa[i] - alussa[i], jaksot[i].odotettu);
    }
}

// The repaint erases the window with the black class brush first: only presenting the frame buffer again
// brings the picture back.
TEST_F(Valikko, ARepaintShowsExactlyTheLastPresentedPicture) {
    Kuva ennen, jalkeen;
    uint64_t esityksia_ennen = 0, esityksia_jalkeen = 0;
    anna_nimi(10, "Matti");
    paina(20, "Down");
    kuvaa(30, ennen);
    kohdassa(30, [&] {
        esityksia_ennen = tyhjo_esityksia();
        ydin_maalaa();
    });
    kuvaa(40, jalkeen);
    kohdassa(40, [&] { esityksia_jalkeen = tyhjo_esityksia(); });
    sulje(50);
    EXPECT_EQ(aja(), 0);

    EXPECT_GT(esityksia_jalkeen, esityksia_ennen) << "the window was repainted";
    EXPECT_EQ(erot(ennen, jalkeen, 0, 0, 800, 600), 0);
}

TEST_F(Valikko, ResizingKeepsThePictureAtItsSizeInTheTopLeftCorner) {
    Kuva ennen, suurena, uudelleen;
    paina(10, "Escape");
    kuvaa(20, ennen);
    kohdassa(21, [] { tyhjo_muuta_kokoa(1000, 700); });
    kuvaa(30, suurena);
    paina(40, "Down");
    paina(41, "Up");
    kuvaa(50, uudelleen);
    sulje(60);
    EXPECT_EQ(aja(), 0);

    for (const Kuva* kuva : {&suurena, &uudelleen}) {
        SCOPED_TRACE(kuva == &suurena ? "after the resize" : "after the menu drew again");
        ASSERT_EQ(kuva->leveys, 1000);
        ASSERT_EQ(kuva->korkeus, 700);
        EXPECT_EQ(erot(*kuva, ennen, 0, 0, 800, 600), 0);
        EXPECT_EQ(vareja(*kuva, 0, 800, 0, 1000, 700) + vareja(*kuva, 0, 0, 600, 800, 700), 200 * 700 + 800 * 100)
            << "the rest of the window shows the black class background";
    }
}

TEST_F(Valikko, AGameLeftWithEscapeBringsTheMenuBackAndRecordsNothing) {
    Kuva valikko, pelissa, takaisin;
    int tila_pelissa = -1, tila_lopussa = -1;
    anna_nimi(10, "Matti");
    kuvaa(20, valikko);
    paina(30, "Return");
    kuvaa(100, pelissa);
    kohdassa(100, [&] { tila_pelissa = pelitilanne; });
    paina(110, "Escape");
    kuvaa(200, takaisin);
    kohdassa(200, [&] { tila_lopussa = pelitilanne; });
    sulje(210);
    EXPECT_EQ(aja(), 0);

    EXPECT_EQ(tila_pelissa, 2);
    EXPECT_GT(erot(valikko, pelissa, 0, 0, 800, 600), 0);
    EXPECT_EQ(tila_lopussa, 1);
    EXPECT_EQ(erot(valikko, takaisin, 0, 0, 800, 600), 0);
    EXPECT_FALSE(std::filesystem::exists("Sokkelo1.top"));
}

// The menu flow as a player would script it: shots taken on the way, read back from their files.
TEST_F(Valikko, ScriptedMenuFlowFromTitleToExit) {
    skripti(
        "wait 20\nshot otsikko.bmp\nkey Return\nwait 10\ntype \xC3\xA4iti\nwait 10\nshot nimi.bmp\n"
        "key Return\nwait 10\nshot valikko.bmp\nkey Down\nwait 10\nshot alas.bmp\nkey Up\nwait 10\n"
        "shot ylos.bmp\nkey Escape\nwait 1000\n");
    EXPECT_EQ(aja(), 0);

    const Kuva otsikko = lue_bmp("otsikko.bmp");
    EXPECT_GT(vareja(otsikko, rgb(kVihrea), 655, 242, 705, 262), 0);
    Odotus nimi("tausta4.bmp");
    nimi.teksti(70, 90, "Anna nimesi: ", kMusta);
    nimi.teksti(70, 115, "\xE4iti_", kMusta);
    EXPECT_EQ(erot(lue_bmp("nimi.bmp"), nimi.kuva(), 0, 0, 800, 600), 0);
    const Kuva valikko = lue_bmp("valikko.bmp"), alas = lue_bmp("alas.bmp"), ylos = lue_bmp("ylos.bmp");
    EXPECT_TRUE(kehys_on(valikko, kKehys[1]));
    EXPECT_TRUE(kehys_on(alas, kKehys[2]));
    EXPECT_FALSE(kehys_on(alas, kKehys[1]));
    EXPECT_EQ(erot(valikko, ylos, 0, 0, 800, 600), 0);
    EXPECT_EQ(pelaaja, "\xE4iti");
}

// Every way out ends the program with exit code 0.
struct Lopetus {
    const char* kuvaus;
    std::vector<const char*> nappaimet;  // before the close, one per millisecond
    bool sulje;                          // then the close box
};

void PrintTo(const Lopetus& lopetus, std::ostream* virta) {
    *virta << lopetus.kuvaus;
}

class Lopetukset : public Valikko, public ::testing::WithParamInterface<Lopetus> {};

TEST_P(Lopetukset, EndWithExitCodeZero) {
    uint32_t t = 10;
    for (const char* nappain : GetParam().nappaimet) {
        paina(t++, nappain);
    }
    if (GetParam().sulje) {
        sulje(t + 50);
    }
    EXPECT_EQ(aja(20000), 0);
    EXPECT_FALSE(tyhjo_auki()) << "the window is destroyed";
}

INSTANTIATE_TEST_SUITE_P(Valikko, Lopetukset,
                         ::testing::Values(Lopetus{"close_on_title", {}, true},
                                           Lopetus{"close_in_name_entry", {"Return", "a"}, true},
                                           Lopetus{"close_in_menu", {"Escape"}, true},
                                           Lopetus{"escape_in_menu", {"Escape", "Escape"}, false},
                                           Lopetus{"escape_after_naming", {"Return", "a", "Return", "Escape"}, false},
                                           Lopetus{"close_in_game", {"Escape", "Return"}, true}),
                         [](const auto& tieto) { return std::string(tieto.param.kuvaus); });

// Without any picture files every screen still shows its texts.
class IlmanKuvia : public Valikko {
  protected:
    void SetUp() override {
        kuvat_ = false;
        Valikko::SetUp();
    }
};

TEST_F(IlmanKuvia, EveryScreenStaysUsable) {
    Kuva otsikko, nimi, valikko;
    kuvaa(5, otsikko);
    paina(10, "Return");
    kirjoita(11, "Matti");
    kuvaa(20, nimi);
    paina(30, "Return");
    paina(31, "Down");
    kuvaa(40, valikko);
    sulje(50);
    EXPECT_EQ(aja(), 0);

    const uint32_t harmaa = 0xC0C0C0;  // what start-up leaves in the buffer under a missing title picture
    EXPECT_GT(vareja(otsikko, rgb(kVihrea), 655, 242, 705, 262), 0);
    EXPECT_EQ(vareja(otsikko, harmaa, 0, 0, 800, 600) + vareja(otsikko, rgb(kVihrea), 655, 242, 705, 262), 800 * 600);
    EXPECT_GT(vareja(nimi, 0, 70, 115, 120, 135), 0) << "the typed name shows";
    EXPECT_GT(vareja(nimi, 0, 70, 90, 120, 110), 0) << "the prompt shows";
    EXPECT_TRUE(kehys_on(valikko, kKehys[2]));
    EXPECT_GT(vareja(valikko, 0, 60, 110, 120, 126), 0) << "\"Valitse:\" shows";
    EXPECT_GT(vareja(valikko, rgb(kVihrea), 500, 10, 700, 30), 0) << "the player line shows";
}

}  // namespace
