// The project's own Win32 subset for systems without Windows: the types, numbers and calls the game uses,
// declared by their Win32 names and values. Only what the game and its tests need is here.
#pragma once

#include <cstddef>
#include <cstdint>

#define WINAPI
#define CALLBACK
#define APIENTRY

typedef int BOOL;
typedef unsigned char BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t UINT;
typedef int INT;
typedef int16_t SHORT;
typedef uint16_t ATOM;
typedef char CHAR;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef void* LPVOID;
typedef void* HANDLE;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef DWORD COLORREF;

// Handles are distinct pointer types, as with STRICT on Windows; a GDI object handle is untyped.
struct HWND__;
struct HDC__;
struct HBITMAP__;
struct HBRUSH__;
struct HINSTANCE__;
struct HICON__;
struct HMENU__;
typedef HWND__* HWND;
typedef HDC__* HDC;
typedef HBITMAP__* HBITMAP;
typedef HBRUSH__* HBRUSH;
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef HICON__* HICON;
typedef HICON HCURSOR;
typedef HMENU__* HMENU;
typedef void* HGDIOBJ;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct POINT {
    LONG x;
    LONG y;
};

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);

struct WNDCLASSEXA {
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
    HICON hIconSm;
};

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
};

#define MAKEINTRESOURCEA(i) ((LPSTR)(uintptr_t)(WORD)(i))
#define RGB(r, g, b) ((COLORREF)(((BYTE)(r)) | ((WORD)((BYTE)(g)) << 8) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(c) ((BYTE)(c))
#define GetGValue(c) ((BYTE)(((WORD)(c)) >> 8))
#define GetBValue(c) ((BYTE)((c) >> 16))
#define CLR_INVALID 0xFFFFFFFF

// Messages.
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_SIZE 0x0005
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_USER 0x0400

// Virtual keys.
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28

// Window class and window styles.
#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CS_DBLCLKS 0x0008
#define CS_OWNDC 0x0020
#define WS_OVERLAPPED 0x00000000L
#define WS_CAPTION 0x00C00000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_OVERLAPPEDWINDOW 0x00CF0000L
#define WS_VISIBLE 0x10000000L
#define CW_USEDEFAULT ((int)0x80000000)

#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001

// GDI.
#define SRCCOPY 0x00CC0020
#define SRCAND 0x008800C6
#define SRCPAINT 0x00EE0086
#define TRANSPARENT 1
#define OPAQUE 2
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define IMAGE_BITMAP 0
#define LR_LOADFROMFILE 0x00000010

#define IDI_APPLICATION MAKEINTRESOURCEA(32512)
#define IDC_ARROW MAKEINTRESOURCEA(32512)

// USER32
ATOM RegisterClassExA(const WNDCLASSEXA* luokka);
HWND CreateWindowExA(DWORD exTyyli, LPCSTR luokka, LPCSTR otsikko, DWORD tyyli, int x, int y, int leveys, int korkeus,
                     HWND vanhempi, HMENU valikko, HINSTANCE instanssi, LPVOID parametri);
BOOL DestroyWindow(HWND ikkuna);
BOOL PeekMessageA(MSG* viesti, HWND ikkuna, UINT alaraja, UINT ylaraja, UINT poisto);
BOOL TranslateMessage(const MSG* viesti);
LRESULT DispatchMessageA(const MSG* viesti);
void PostQuitMessage(int koodi);
BOOL PostMessageA(HWND ikkuna, UINT viesti, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND ikkuna, UINT viesti, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcA(HWND ikkuna, UINT viesti, WPARAM wParam, LPARAM lParam);
HDC BeginPaint(HWND ikkuna, PAINTSTRUCT* maalaus);
BOOL EndPaint(HWND ikkuna, const PAINTSTRUCT* maalaus);
BOOL InvalidateRect(HWND ikkuna, const RECT* alue, BOOL tyhjenna);
SHORT GetAsyncKeyState(int nappain);
HDC GetDC(HWND ikkuna);
int ReleaseDC(HWND ikkuna, HDC dc);
BOOL GetClientRect(HWND ikkuna, RECT* alue);
int FillRect(HDC dc, const RECT* alue, HBRUSH sivellin);
HANDLE LoadImageA(HINSTANCE instanssi, LPCSTR nimi, UINT tyyppi, int leveys, int korkeus, UINT liput);
HICON LoadIconA(HINSTANCE instanssi, LPCSTR nimi);
HCURSOR LoadCursorA(HINSTANCE instanssi, LPCSTR nimi);

// GDI32
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
HBITMAP CreateCompatibleBitmap(HDC dc, int leveys, int korkeus);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ olio);
BOOL DeleteObject(HGDIOBJ olio);
HGDIOBJ GetStockObject(int numero);
int GetObjectA(HANDLE olio, int koko, LPVOID puskuri);
BOOL BitBlt(HDC kohde, int x, int y, int leveys, int korkeus, HDC lahde, int lx, int ly, DWORD rop);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF vari);
COLORREF GetPixel(HDC dc, int x, int y);
COLORREF SetTextColor(HDC dc, COLORREF vari);
int SetBkMode(HDC dc, int tila);
BOOL TextOutA(HDC dc, int x, int y, LPCSTR teksti, int pituus);

// KERNEL32
DWORD GetTickCount(void);
void Sleep(DWORD ms);
HMODULE GetModuleHandleA(LPCSTR nimi);

// The game's entry point, called by the native main().
int WINAPI WinMain(HINSTANCE instanssi, HINSTANCE edellinen, LPSTR komentorivi, int nayttotapa);
