// The ready-made collections of pointers, objects, strings and numbers.
// Defines: CPtrArray, CObArray, CStringArray, CByteArray, CWordArray, CDWordArray,
// CUIntArray, CPtrList, CObList, CStringList, CMapStringToPtr, CMapPtrToPtr,
// CMapStringToString, CMapStringToOb, CMapWordToPtr, CMapPtrToWord, CMapWordToOb.
#pragma once

#include "afxtempl.h"

// Each is a CArray, CList or CMap with its own run-time class; the
// serialisable ones store their elements as the templates do.
#define KFW_COLLECTION(class_name, declare)                                                                            \
    class class_name : public class_name##Base                                                                         \
    {                                                                                                                  \
        declare(class_name) public : using class_name##Base::class_name##Base;                                         \
    };

typedef CArray<void*, void*> CPtrArrayBase;
typedef CArray<CObject*, CObject*> CObArrayBase;
typedef CArray<CString, LPCSTR> CStringArrayBase;
typedef CArray<BYTE, BYTE> CByteArrayBase;
typedef CArray<WORD, WORD> CWordArrayBase;
typedef CArray<DWORD, DWORD> CDWordArrayBase;
typedef CArray<UINT, UINT> CUIntArrayBase;
typedef CList<void*, void*> CPtrListBase;
typedef CList<CObject*, CObject*> CObListBase;
typedef CList<CString, LPCSTR> CStringListBase;
typedef CMap<CString, LPCSTR, void*, void*> CMapStringToPtrBase;
typedef CMap<void*, void*, void*, void*> CMapPtrToPtrBase;
typedef CMap<CString, LPCSTR, CString, LPCSTR> CMapStringToStringBase;
typedef CMap<CString, LPCSTR, CObject*, CObject*> CMapStringToObBase;
typedef CMap<WORD, WORD, void*, void*> CMapWordToPtrBase;
typedef CMap<void*, void*, WORD, WORD> CMapPtrToWordBase;
typedef CMap<WORD, WORD, CObject*, CObject*> CMapWordToObBase;

KFW_COLLECTION(CPtrArray, DECLARE_DYNAMIC)
KFW_COLLECTION(CObArray, DECLARE_SERIAL)
KFW_COLLECTION(CStringArray, DECLARE_SERIAL)
KFW_COLLECTION(CByteArray, DECLARE_SERIAL)
KFW_COLLECTION(CWordArray, DECLARE_SERIAL)
KFW_COLLECTION(CDWordArray, DECLARE_SERIAL)
KFW_COLLECTION(CUIntArray, DECLARE_DYNAMIC)
KFW_COLLECTION(CPtrList, DECLARE_DYNAMIC)
KFW_COLLECTION(CObList, DECLARE_SERIAL)
KFW_COLLECTION(CStringList, DECLARE_SERIAL)
KFW_COLLECTION(CMapStringToPtr, DECLARE_DYNAMIC)
KFW_COLLECTION(CMapPtrToPtr, DECLARE_DYNAMIC)
KFW_COLLECTION(CMapStringToString, DECLARE_SERIAL)
KFW_COLLECTION(CMapStringToOb, DECLARE_SERIAL)
KFW_COLLECTION(CMapWordToPtr, DECLARE_DYNAMIC)
KFW_COLLECTION(CMapPtrToWord, DECLARE_DYNAMIC)
KFW_COLLECTION(CMapWordToOb, DECLARE_SERIAL)

#undef KFW_COLLECTION
