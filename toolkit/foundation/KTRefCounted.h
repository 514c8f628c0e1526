// KTRefCounted.h: an object that deletes itself when its last reference goes.
//
// Classes: CKTRefCounted.
#pragma once

#include <windows.h>

// Made with new holding one reference; AddRef and Release are interlocked,
// so references may be taken and given back on any thread.
class CKTRefCounted
{
public:
	CKTRefCounted() : m_nRefs(1) {}
	CKTRefCounted(const CKTRefCounted&) = delete;
	CKTRefCounted& operator=(const CKTRefCounted&) = delete;

	LONG AddRef() { return ::InterlockedIncrement(&m_nRefs); }
	LONG Release()
	{
		LONG nRefs = ::InterlockedDecrement(&m_nRefs);
		if (nRefs == 0)
			delete this;
		return nRefs;
	}

protected:
	virtual ~CKTRefCounted() = default;

private:
	volatile LONG m_nRefs;
};
