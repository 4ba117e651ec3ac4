// Run-time class records: the name and base of a class, so that code can ask
// what an object is (GetRuntimeClass, IsDerivedFrom).
#pragma once
#include "framework/AfxExport.h"

struct AFX_API CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    // The record of the nearest base class that has one; a function, so that
    // a record may name a base that lives in another module.
    const CRuntimeClass* (*m_pfnGetBaseClass)();

    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name) \
public: \
    static const CRuntimeClass class##class_name; \
    static const CRuntimeClass* GetThisClass(); \
    const CRuntimeClass* GetRuntimeClass() const override;

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    const CRuntimeClass class_name::class##class_name = { \
        #class_name, sizeof(class_name), &base_class_name::GetThisClass }; \
    const CRuntimeClass* class_name::GetThisClass() { return RUNTIME_CLASS(class_name); } \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }
