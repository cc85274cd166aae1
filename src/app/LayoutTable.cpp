// The fixed layout of the program's windows.

#include "app/LayoutTable.h"

namespace velt {

int ScaleDim(int value, int dpi) {
    // Single precision on purpose: the table was rounded that way.
    const float scaled =
        static_cast<float>(value) * static_cast<float>(dpi) / static_cast<float>(kLayoutDpi);
    return static_cast<int>(scaled + 0.5f);
}

const std::array<FormSize, 20>& formSizes() {
    static const std::array<FormSize, 20> sizes{{
        {"TW_Main", 760, 560},      {"TW_EndAsk", 390, 250}, {"TW_LoadS", 678, 535},
        {"TW_About", 446, 383},     {"TW_WspDom", 393, 259}, {"TW_PEkr", 553, 403},
        {"TW_NewPrzew", 394, 174},  {"TW_Zakl", 333, 172},   {"TW_ZFaz", 332, 168},
        {"TW_UWar", 478, 199},      {"TW_PFaz", 321, 166},   {"TW_ZRys", 347, 133},
        {"TW_ZObl", 350, 135},      {"TW_Save", 451, 181},   {"TW_Splash", 446, 383},
        {"TW_New", 633, 560},       {"TW_PRob", 548, 480},   {"TW_NPOdg", 546, 475},
        {"TW_PrzesSlup", 350, 135}, {"TW_Kom", 586, 138},
    }};
    return sizes;
}

} // namespace velt
