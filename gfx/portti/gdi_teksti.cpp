// TextOutA in the own Win32 subset: one fixed bitmap font, one line, the given number of bytes.
#include <algorithm>
#include <cstdint>

#include "gfx/portti/gdi_fontti.h"
#include "gfx/portti/gdi_sisa.h"

namespace {

// Draws one glyph with its top-left at (x, y); opaque mode first whitens its whole cell.
void piirra_merkki(Kartta& k, int64_t x, int64_t y, const FonttiMerkki& m, uint32_t vari, bool peittava) {
    const uint32_t tausta = 0xFFFFFFu;  // the background colour is never changed from white
    for (int r = 0; r < kFontinKorkeus; ++r) {
        int64_t py = y + r;
        if (py < 0 || py >= k.korkeus)
            continue;
        uint32_t* rivi = k.pikselit.data() + py * int64_t{k.leveys};
        int64_t alku = std::max<int64_t>(0, -x), loppu = std::min<int64_t>(m.leveys, k.leveys - x);
        for (int64_t s = alku; s < loppu; ++s) {
            bool paalla = (m.rivit[r] >> (15 - s)) & 1u;
            if (paalla)
                rivi[x + s] = vari;
            else if (peittava)
                rivi[x + s] = tausta;
        }
    }
}

}  // namespace

BOOL TextOutA(HDC dc, int x, int y, LPCSTR teksti, int pituus) {
    Dc* d = gdi_dc(dc);
    if (!d || pituus < 0 || (pituus > 0 && !teksti))
        return FALSE;
    Kartta& k = *d->kartta;
    uint32_t vari = gdi_tallennettava(k, d->tekstivari);
    int64_t kyna = x;
    for (int i = 0; i < pituus && kyna < k.leveys; ++i) {
        const FonttiMerkki& m = fontti_merkit[static_cast<unsigned char>(teksti[i])];
        if (kyna + m.leveys > 0)
            piirra_merkki(k, kyna, y, m, vari, d->taustatila == OPAQUE);
        kyna += m.leveys;
    }
    gdi_piirretty(*d);
    return TRUE;
}
