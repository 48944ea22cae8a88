// The tick count wraps from 2^32 - 1 to 0 after 49.7 days: the goal's blink and the end-of-game flash keep
// their pace across it. The player is held one step before the goal until a chosen tick, so the wrap falls
// where the test wants it.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/kestavyys/automaatti.h"
#include "tests/shell/peliajo.h"

namespace {

constexpr uint32_t kKaari = 0;  // the tick the count wraps to

class Kello : public Peliajo {
  protected:
    void TearDown() override {
        tyhjo_joka_ms(nullptr);
        Peliajo::TearDown();
    }

    // One game of "Sokkelo, pieni" from 20 s before the wrap; the step onto the goal waits for 'maalihetki'.
    void pelaa(uint32_t maalihetki) {
        tyhjo_aseta_kello(kKaari - 20000);
        kestavyys::Automaatti pelaaja({{"Kello", {1}}});
        pelaaja.saa_astua = [maalihetki](pelaa_apu::Ruutu mihin) {
            const bool maaliin = mihin.first == loppu_x && mihin.second == loppu_y;
            return !maaliin || static_cast<int32_t>(tyhjo_kello() - maalihetki) >= 0;
        };
        pelaaja.katsoja = [this] { katso(); };
        pelaaja.kaynnista();
        EXPECT_EQ(aja(), 0);
        ASSERT_EQ(pelaaja.pelatut.size(), 1u);
    }

    std::vector<uint32_t> vaihdot;       // ticks at which the goal cell changed colour
    uint32_t loppui = 0, valikossa = 0;  // the flash began (keys shut) and the menu took keys again
    bool pelissa = false, lopussa = false;

  private:
    void katso() {
        const uint32_t nyt = tyhjo_kello();
        if (pelitilanne == 2 && nappainten_painaminen_mahdollista) {
            const uint32_t vari = pelaa_apu::ruudun_vari(loppu_x, loppu_y);
            if (pelissa && vari != maalin_vari_) {
                vaihdot.push_back(nyt);
            }
            pelissa = true;
            maalin_vari_ = vari;
        } else if (pelissa && !lopussa && !nappainten_painaminen_mahdollista) {
            lopussa = true;
            loppui = nyt;
        } else if (lopussa && valikossa == 0 && nappainten_painaminen_mahdollista) {
            valikossa = nyt;
        }
    }

    uint32_t maalin_vari_ = 0;
};

// Waiting 4 s past the wrap before the last step: the goal changes colour every 500 ms and a little, with
// changes on both sides of the wrap.
TEST_F(Kello, TheGoalBlinksAtItsPaceAcrossTheWrap) {
    pelaa(kKaari + 4000);
    ASSERT_GE(vaihdot.size(), 10u);
    bool yli = false;
    for (size_t i = 1; i < vaihdot.size(); ++i) {
        const uint32_t vali = vaihdot[i] - vaihdot[i - 1];
        EXPECT_GT(vali, 500u) << "change " << i;
        EXPECT_LE(vali, 540u) << "change " << i;
        yli = yli || vaihdot[i] < vaihdot[i - 1];
    }
    EXPECT_TRUE(yli) << "no change on both sides of the wrap";
}

// The last step 600 ms before the wrap: the flash that follows crosses it and still lasts its 1.5 s.
TEST_F(Kello, TheTimeFlashLastsItsTimeAcrossTheWrap) {
    pelaa(kKaari - 600);
    ASSERT_TRUE(lopussa);
    EXPECT_GT(loppui, kKaari - 700);  // the flash began before the wrap ...
    EXPECT_LT(valikossa, 2000u);      // ... and ended after it
    const uint32_t kesto = valikossa - loppui;
    EXPECT_GE(kesto, 1500u);
    EXPECT_LT(kesto, 1600u);
}

}  // namespace
