// Diagnostics: ASSERT, VERIFY, TRACE and ASSERT_VALID; active in _DEBUG builds only.
#pragma once

class CObject;

void AfxAssertFailedLine(const char* lpszFileName, int nLine);
void AfxTrace(const char* lpszFormat, ...) KFW_PRINTF_FORMAT(1, 2);
void AfxAssertValidObject(const CObject* pOb, const char* lpszFileName, int nLine);

#ifdef _DEBUG
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__))
#define VERIFY(f) ASSERT(f)
#define TRACE AfxTrace
#define ASSERT_VALID(pOb) AfxAssertValidObject((pOb), __FILE__, __LINE__)
#define DEBUG_ONLY(f) (f)
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define TRACE(...) ((void)0)
#define ASSERT_VALID(pOb) ((void)0)
#define DEBUG_ONLY(f) ((void)0)
#endif

#define TRACE0(sz) TRACE("%s", sz)
#define TRACE1(sz, p1) TRACE(sz, p1)
#define TRACE2(sz, p1, p2) TRACE(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3) TRACE(sz, p1, p2, p3)
#define ASSERT_KINDOF(class_name, pOb) ASSERT((pOb)->IsKindOf(RUNTIME_CLASS(class_name)))
#define UNUSED(x) (void)(x)
#define UNUSED_ALWAYS(x) (void)(x)
