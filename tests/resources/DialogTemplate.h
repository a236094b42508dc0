// An extended dialog template (DLGTEMPLATEEX and its DLGITEMTEMPLATEEX items) as the resource stores it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A field that holds either a number (after the 0xFFFF marker) or a string; empty when both are absent.
struct SzOrOrd {
    bool isOrdinal = false;
    uint16_t ordinal = 0;
    std::u16string text;
};

struct DialogItem {
    uint32_t helpId, exStyle, style;
    int16_t x, y, cx, cy;
    uint32_t id;
    SzOrOrd windowClass, title;
    uint16_t extraCount;
};

struct DialogTemplate {
    uint16_t version, signature;
    uint32_t helpId, exStyle, style;
    int16_t x, y, cx, cy;
    SzOrOrd menu, windowClass;
    std::u16string title;
    uint16_t pointSize = 0, weight = 0;
    uint8_t italic = 0, charset = 0;
    std::u16string typeface;
    std::vector<DialogItem> items;
};

// Parses an extended template; throws std::runtime_error when `data` is not one or is cut short.
DialogTemplate ParseDialogTemplate(const std::vector<uint8_t>& data);
