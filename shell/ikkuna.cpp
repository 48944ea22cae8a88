// The game window, the main loop over the four screen states, the title screen and the name-entry pass.
#include "gfx/puskuri.h"
#include "shell/peli.h"
#include "shell/tila.h"

namespace {

const char* const kLuokka = "Rimputin";  // window class name and title
const uint32_t kVihrea = 0x0000FF00;     // the version text
const uint32_t kMusta = 0x00000000;      // the name-entry texts

void rekisteroi_luokka(HINSTANCE instanssi) {
    WNDCLASSEXA luokka{};
    luokka.cbSize = sizeof(luokka);
    luokka.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS | CS_OWNDC;
    luokka.lpfnWndProc = WndProc;
    luokka.hInstance = instanssi;
    luokka.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    luokka.hIconSm = LoadIconA(nullptr, IDI_APPLICATION);
    luokka.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    luokka.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    luokka.lpszClassName = kLuokka;
    RegisterClassExA(&luokka);  // a failure shows as a failed window creation
}

// The title is drawn this once; its passes draw nothing, and a repaint presents it again.
void piirra_otsikko() {
    Tyhjaa_ruutu(gBuffer.hdcPuskuri, gBuffer.rcAlue, WHITE_BRUSH);
    Tyhjaa_ruutu(gBuffer.hdcPuskuri, gBuffer.rcAlue, LTGRAY_BRUSH);
    Nayta_kuva(gBuffer, tausta1, 0, 0);
    tulosta(655, 242, "v. 1.0", kVihrea);
    Kaanna(gBuffer, 0);
}

// One pass of the current screen state; true when the loop goes on at once, without its sleep.
bool kierros(Silmukka& s) {
    switch (pelitilanne) {
        case 1:
            return valikkokierros(s);
        case 2:
            pelikierros(s);
            return false;
        case 3:
            nimikierros();
            return false;
        default:
            return false;
    }
}

}  // namespace

void nimikierros() {
    Nayta_kuva(gBuffer, tausta4, 0, 0);
    tulosta(70, 90, "Anna nimesi: ", kMusta);
    tulosta(70, 115, teksti + "_", kMusta);
    Kaanna(gBuffer, 0);
}

HWND avaa_ikkuna(HINSTANCE instanssi) {
    rekisteroi_luokka(instanssi);
    HWND ikkuna = CreateWindowExA(0, kLuokka, kLuokka, WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                  800, 600, nullptr, nullptr, instanssi, nullptr);
    if (ikkuna != nullptr) {
        Luo2Buffer(gBuffer, ikkuna);
    }
    return ikkuna;
}

int WINAPI WinMain(HINSTANCE instanssi, HINSTANCE, LPSTR, int) {
    HWND ikkuna = avaa_ikkuna(instanssi);
    if (ikkuna == nullptr) {
        return 0;
    }
    piirra_otsikko();

    Silmukka s;
    MSG viesti{};
    for (;;) {
        s.silmukan_alku = GetTickCount();
        // Every pending message is handled before the next pass runs.
        if (PeekMessageA(&viesti, nullptr, 0, 0, PM_REMOVE)) {
            if (viesti.message == WM_QUIT) {
                break;
            }
            TranslateMessage(&viesti);
            DispatchMessageA(&viesti);
            continue;
        }
        if (!kierros(s)) {
            Sleep(ms_odotus);
        }
    }
    DestroyWindow(ikkuna);
    return static_cast<int>(viesti.wParam);
}
