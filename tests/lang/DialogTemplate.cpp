#include "tests/lang/DialogTemplate.h"

namespace {

// Sequential reader over the template bytes; every read past the end fails
// and leaves the reader failed.
class Reader {
public:
    Reader(const BYTE* data, size_t size) : m_data(data), m_size(size) {}

    bool ok() const { return m_ok; }

    template <typename T> T Read()
    {
        T value = {};
        if (!Need(sizeof(T))) return value;
        memcpy(&value, m_data + m_pos, sizeof(T));
        m_pos += sizeof(T);
        return value;
    }

    std::wstring ReadString()
    {
        std::wstring text;
        for (WCHAR c = Read<WCHAR>(); m_ok && c != 0; c = Read<WCHAR>()) text += c;
        return text;
    }

    // A string or, after 0xFFFF, an ordinal; 0 alone is an empty string.
    void ReadStringOrOrdinal(std::wstring& text, int& ordinal)
    {
        ordinal = -1;
        text.clear();
        const size_t start = m_pos;
        if (Read<WORD>() == 0xFFFF) {
            ordinal = Read<WORD>();
            return;
        }
        m_pos = start;
        text = ReadString();
    }

    void Skip(size_t count)
    {
        if (Need(count)) m_pos += count;
    }

    void AlignToDword() { Skip((4 - m_pos % 4) % 4); }

private:
    bool Need(size_t count)
    {
        if (m_pos + count > m_size) m_ok = false;
        return m_ok;
    }

    const BYTE* m_data;
    size_t m_size;
    size_t m_pos = 0;
    bool m_ok = true;
};

std::wstring PredefinedClassName(int atom)
{
    switch (atom) {
    case 0x80: return L"Button";
    case 0x81: return L"Edit";
    case 0x82: return L"Static";
    case 0x83: return L"ListBox";
    case 0x84: return L"ScrollBar";
    case 0x85: return L"ComboBox";
    default: return L"#" + std::to_wstring(atom);
    }
}

RECT ReadRect(Reader& in)
{
    const short x = in.Read<short>(), y = in.Read<short>();
    const short cx = in.Read<short>(), cy = in.Read<short>();
    return RECT{ x, y, x + cx, y + cy };
}

bool ReadItem(Reader& in, bool extended, DialogItem& item)
{
    in.AlignToDword();
    if (extended) {
        in.Read<DWORD>();  // help ID
        item.exStyle = in.Read<DWORD>();
        item.style = in.Read<DWORD>();
    } else {
        item.style = in.Read<DWORD>();
        item.exStyle = in.Read<DWORD>();
    }
    item.rect = ReadRect(in);
    item.id = extended ? static_cast<int>(in.Read<DWORD>()) : static_cast<short>(in.Read<WORD>());
    int classAtom;
    in.ReadStringOrOrdinal(item.className, classAtom);
    if (classAtom >= 0) item.className = PredefinedClassName(classAtom);
    in.ReadStringOrOrdinal(item.text, item.textOrdinal);
    in.Skip(in.Read<WORD>());  // creation data
    return in.ok();
}

}  // namespace

const DialogItem* DialogTemplate::Find(int id) const
{
    for (const DialogItem& item : items)
        if (item.id == id) return &item;
    return nullptr;
}

bool ParseDialogTemplate(const void* data, size_t size, DialogTemplate& out)
{
    out = DialogTemplate();
    Reader in(static_cast<const BYTE*>(data), size);
    const WORD version = in.Read<WORD>();
    const WORD signature = in.Read<WORD>();
    out.extended = version == 1 && signature == 0xFFFF;
    if (out.extended) {
        in.Read<DWORD>();  // help ID
        out.exStyle = in.Read<DWORD>();
        out.style = in.Read<DWORD>();
    } else {
        out.style = MAKELONG(version, signature);
        out.exStyle = in.Read<DWORD>();
    }
    const WORD count = in.Read<WORD>();
    out.rect = ReadRect(in);
    std::wstring name;
    int ordinal;
    in.ReadStringOrOrdinal(name, ordinal);  // menu
    in.ReadStringOrOrdinal(name, ordinal);  // window class
    out.caption = in.ReadString();
    if (out.style & DS_SETFONT) {
        out.pointSize = in.Read<WORD>();
        if (out.extended) {
            in.Read<WORD>();  // weight
            in.Read<BYTE>();  // italic
            in.Read<BYTE>();  // character set
        }
        out.faceName = in.ReadString();
    }
    out.items.resize(count);
    for (DialogItem& item : out.items)
        if (!ReadItem(in, out.extended, item)) return false;
    return in.ok();
}

bool LoadDialogTemplate(HMODULE module, int id, DialogTemplate& out)
{
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), RT_DIALOG);
    HGLOBAL block = info ? LoadResource(module, info) : nullptr;
    const void* data = block ? LockResource(block) : nullptr;
    return data && ParseDialogTemplate(data, SizeofResource(module, info), out);
}
