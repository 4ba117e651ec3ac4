// Reads dialog template resources, plain and extended, into plain values, so
// that tests can check what the dialog manager will build from them.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

struct DialogItem {
    int id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect = {};            // in dialog units
    std::wstring className;    // predefined classes by name: "Button", "Static", ...
    std::wstring text;         // empty when the text is an ordinal
    int textOrdinal = -1;      // resource ordinal given as the text, or -1
};

struct DialogTemplate {
    bool extended = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect = {};
    std::wstring caption;
    int pointSize = 0;
    std::wstring faceName;
    std::vector<DialogItem> items;

    // The first item with this ID, or null.
    const DialogItem* Find(int id) const;
};

// Parses the template of `size` bytes at `data`; false when it is cut short
// or malformed.
bool ParseDialogTemplate(const void* data, size_t size, DialogTemplate& out);

// Finds dialog resource `id` in `module` and parses it; false when it is
// missing or malformed.
bool LoadDialogTemplate(HMODULE module, int id, DialogTemplate& out);
