// SPDX-License-Identifier: GPL-3.0-or-later
/* Shows whether Wine puts OpenGL drawn into a child window on the screen. scripts/test-windows
 * builds it with MinGW and looks for the red it clears to:
 *   wine-gl-child-check.exe child   a 300x200 GL child window inside a plain toplevel window
 *   wine-gl-child-check.exe top     the toplevel window itself is the GL window
 * The program's views are such child windows (QWindow in a window container). Wine 8 on X
 * renders a child window's GL into an offscreen X window and copies it to the parent on each
 * SwapBuffers; when that copy fails, the child stays dark while a toplevel draws.
 * It draws until killed. Plain Win32 on purpose: no Qt, one thread, one context. */
#include <windows.h>
#include <GL/gl.h>
#include <string.h>

static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) ExitProcess(0);
    return DefWindowProcA(window, message, wparam, lparam);
}

int main(int argc, char** argv) {
    const int draw_into_top = argc > 1 && strcmp(argv[1], "top") == 0;
    WNDCLASSA window_class = {CS_OWNDC, window_proc, 0, 0, GetModuleHandleA(NULL), NULL,
                              LoadCursorA(NULL, (LPCSTR)IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1), NULL,
                              "WineGlChildCheck"};
    RegisterClassA(&window_class);
    HWND top = CreateWindowA("WineGlChildCheck", "wine-gl-child-check",
                             WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 600, 400, NULL,
                             NULL, window_class.hInstance, NULL);
    HWND target = draw_into_top ? top
                                : CreateWindowA("WineGlChildCheck", "", WS_CHILD | WS_VISIBLE, 50, 50, 300,
                                                200, top, NULL, window_class.hInstance, NULL);

    HDC dc = GetDC(target);
    PIXELFORMATDESCRIPTOR format = {sizeof format, 1,
                                    PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER,
                                    PFD_TYPE_RGBA, 24};
    format.cDepthBits = 24;
    if (!SetPixelFormat(dc, ChoosePixelFormat(dc, &format), &format)) return 2;
    HGLRC context = wglCreateContext(dc);
    if (!context || !wglMakeCurrent(dc, context)) return 3;
    for (;;) {
        glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        SwapBuffers(dc);
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(20);
    }
}
