#pragma once
// The About box's controls and the description of its in-memory template.
// Pure code: built and tested natively too.
#include "about/dialog_template.h"

enum {
    IDC_ABOUT_ICON = 100,
    IDC_ABOUT_PRODUCT = 101,    // product name and version
    IDC_ABOUT_LINK = 102,       // the support site, made a link label
    IDC_ABOUT_RESOURCES = 103,  // free system resources, or empty
    ABOUT_ITEM_COUNT = 5,
};

// Every static starts one unit wide with no text: the box widens them, and
// itself, to the texts it fills in.
extern const DialogHeaderSpec ABOUT_TEMPLATE_HEADER;
extern const DialogItemSpec ABOUT_TEMPLATE_ITEMS[];  // ABOUT_ITEM_COUNT rows

// The template in a malloc block (free with MemFree), or null.
void* BuildAboutTemplate();
