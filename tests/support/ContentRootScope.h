// The program's real content root (Program Files\Velnor\Driftreel) as a test
// wants it: a fresh empty folder, or none at all, for the life of the object.
// What stood there before is moved aside and put back afterwards.
#pragma once
#include "tests/support/TempFolder.h"

class ContentRootScope {
public:
    // bCreate false leaves the content root missing.
    explicit ContentRootScope(bool bCreate = true);
    ~ContentRootScope();
    ContentRootScope(const ContentRootScope&) = delete;
    ContentRootScope& operator=(const ContentRootScope&) = delete;

    const CString& Path() const { return m_strRoot; }
    // A movie folder below the root holding empty files of the given names.
    CString AddFolder(const wchar_t* pszName, std::initializer_list<const wchar_t*> files);
    // A file below the root, copied from an existing one.
    CString CopyFile(const wchar_t* pszFrom, const wchar_t* pszRelative);

private:
    TempFolder m_trash;          // receives the test's root at the end, and removes it
    CString m_strRoot;
    CString m_strSaved;          // where the root that stood before waits; empty when none
    bool m_bCreatedParent = false;
};
