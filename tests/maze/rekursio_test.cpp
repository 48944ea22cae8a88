// The deepest carving recursion: it fits the main thread's stack on every build, and how much stack a level
// of it takes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "maze/sokkelo.h"
#include "shell/tila.h"
#include "util/satunnainen.h"

#ifndef _WIN32
#include <pthread.h>
#include <sys/mman.h>
#include <unistd.h>
#if __has_include(<valgrind/memcheck.h>)
#include <valgrind/memcheck.h>
#endif
#endif

namespace {

constexpr uint32_t kLeveys = 99;
constexpr uint32_t kKorkeus = 67;
constexpr uint32_t kHuoneita = (kLeveys / 2) * (kKorkeus / 2);  // 1617

// The largest grid with one path through every room, row after row like a snake: the final pass must nest
// one level per room.
Ruudukko kaarmesokkelo() {
    Ruudukko r(kLeveys, std::vector<int32_t>(kKorkeus, 1));
    for (uint32_t y = 1; y < kKorkeus; y += 2) {
        for (uint32_t x = 1; x < kLeveys; ++x) {
            r[x][y] = x == kLeveys - 1 ? 1 : 0;  // the room row and the open slots between its rooms
        }
        if (y + 2 < kKorkeus) {
            const uint32_t kaanne = (y / 2) % 2 == 0 ? kLeveys - 2 : 1;  // the row's far end leads down
            r[kaanne][y + 1] = 0;
        }
    }
    return r;
}

// The final, unlimited pass from the snake's head.
void kaiverra_kaarme(Ruudukko& r) {
    rekursiotaso_johon_asti_mennaan = 0;
    piirra_umpikujat_viimeinen_rekursio = true;
    piirra_umpikujat = true;
    suurin_rekursiotaso = 0;
    poiminta_pisteet = 0;
    teesokkelo_rekursio(r, 1, 1, 0, 0);
}

class SyvaRekursio : public ::testing::Test {
  protected:
    void SetUp() override { tila_alkuun(); }
};

TEST_F(SyvaRekursio, OnePathThroughEveryRoomNestsOneLevelPerRoom) {
    Ruudukko r = kaarmesokkelo();
    kaiverra_kaarme(r);
    EXPECT_EQ(suurin_rekursiotaso, kHuoneita - 1);
    // The snake's tail: the last room row runs left to right when the row count is odd.
    EXPECT_EQ(loppu_x, (kKorkeus / 2) % 2 == 1 ? kLeveys - 2 : 1u);
    EXPECT_EQ(loppu_y, kKorkeus - 2);
    EXPECT_EQ(poiminta_pisteet, 1u);  // only the tail is a dead end; the head was the start
    EXPECT_EQ(r[loppu_x][loppu_y], 24);
}

// The deepest of 20,000 seeds for the largest maze goes 836 levels down in its final pass.
TEST_F(SyvaRekursio, DeepGeneratedMazeOnTheMainThread) {
    seinaprosentti = 100;
    pelityyppi = 0;
    arvoluku_alusta(1672);
    teesokkelo(taulukko, kLeveys, kKorkeus);
    EXPECT_EQ(suurin_rekursiotaso, 836u);
}

#ifndef _WIN32
// A thread stack of our own, filled with a pattern, with an inaccessible page below it: the bytes the
// pattern lost show how deep the stack went, and going past the end stops the test at once.
struct Pino {
    size_t koko;
    size_t sivu;
    unsigned char* alku = nullptr;
};

void* kaarmeajo(void*) {
    Ruudukko r = kaarmesokkelo();
    kaiverra_kaarme(r);
    return nullptr;
}

__attribute__((no_sanitize("address"))) size_t kaytetty(const Pino& pino) {
#ifdef VALGRIND_MAKE_MEM_DEFINED
    // Memcheck forgets a finished thread's stack; the pattern itself is still there to read.
    VALGRIND_MAKE_MEM_DEFINED(pino.alku + pino.sivu, pino.koko);
#endif
    size_t koskematon = 0;
    while (koskematon < pino.koko && pino.alku[pino.sivu + koskematon] == 0xA5) {
        ++koskematon;
    }
    return pino.koko - koskematon;
}

TEST_F(SyvaRekursio, StackPerLevelLeavesRoomOnATwoMebibyteStack) {
    Pino pino{1u << 20, static_cast<size_t>(sysconf(_SC_PAGESIZE))};
    void* muisti = mmap(nullptr, pino.koko + pino.sivu, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(muisti, MAP_FAILED);
    pino.alku = static_cast<unsigned char*>(muisti);
    mprotect(pino.alku, pino.sivu, PROT_NONE);
    std::memset(pino.alku + pino.sivu, 0xA5, pino.koko);

    pthread_attr_t asetukset;
    pthread_attr_init(&asetukset);
    ASSERT_EQ(pthread_attr_setstack(&asetukset, pino.alku + pino.sivu, pino.koko), 0);
    pthread_t saie;
    ASSERT_EQ(pthread_create(&saie, &asetukset, kaarmeajo, nullptr), 0);
    pthread_join(saie, nullptr);
    pthread_attr_destroy(&asetukset);
    EXPECT_EQ(suurin_rekursiotaso, kHuoneita - 1);

    const size_t tavuja = kaytetty(pino);
    const size_t tasoa_kohden = tavuja / kHuoneita;
    std::printf("[ stack    ] %zu bytes for %u levels, %zu bytes per level\n", tavuja, kHuoneita, tasoa_kohden);
    RecordProperty("stack_bytes_per_level", static_cast<int>(tasoa_kohden));
    // The whole path took less than half of a 1 MiB stack; the game's main thread has 2 MiB.
    EXPECT_LT(tavuja, pino.koko / 2);
    munmap(muisti, pino.koko + pino.sivu);
}
#endif

}  // namespace
