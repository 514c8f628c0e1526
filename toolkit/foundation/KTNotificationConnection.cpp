// KTNotificationConnection.cpp: subscribing, unsubscribing and sending events.
#include "KTNotificationConnection.h"

#include <algorithm>

CKTNotificationConnection::CKTNotificationConnection() = default;

CKTNotificationConnection::~CKTNotificationConnection() = default;

DWORD CKTNotificationConnection::Advise(CKTNotificationSink* pSink, DWORD dwCode)
{
	if (!pSink)
		return 0;
	DWORD dwCookie = NextCookie();
	CLockScope lock(this);
	m_arrSubscriptions.push_back({dwCode, pSink, dwCookie});
	return dwCookie;
}

// Cookies are unique in the process, so that a sink subscribed to several
// connections can tell its subscriptions apart by cookie alone.
DWORD CKTNotificationConnection::NextCookie()
{
	static volatile LONG s_nLastCookie = 0;
	DWORD dwCookie = static_cast<DWORD>(::InterlockedIncrement(&s_nLastCookie));
	return dwCookie ? dwCookie : static_cast<DWORD>(::InterlockedIncrement(&s_nLastCookie));
}

void CKTNotificationConnection::Unadvise(DWORD dwCookie)
{
	CLockScope lock(this);
	auto it = std::find_if(m_arrSubscriptions.begin(), m_arrSubscriptions.end(),
	                       [dwCookie](const Subscription& s) { return s.dwCookie == dwCookie; });
	if (it != m_arrSubscriptions.end())
		m_arrSubscriptions.erase(it);
}

std::vector<DWORD> CKTNotificationConnection::CookiesOf(DWORD dwCode)
{
	std::vector<DWORD> arrCookies;
	CLockScope lock(this);
	for (const Subscription& subscription : m_arrSubscriptions)
	{
		if (subscription.dwCode == dwCode)
			arrCookies.push_back(subscription.dwCookie);
	}
	return arrCookies;
}

CKTNotificationSink* CKTNotificationConnection::SinkOf(DWORD dwCookie)
{
	CLockScope lock(this);
	for (const Subscription& subscription : m_arrSubscriptions)
	{
		if (subscription.dwCookie == dwCookie)
			return subscription.pSink;
	}
	return NULL;
}

BOOL CKTNotificationConnection::SendEvent(DWORD dwCode, WPARAM wParam, LPARAM lParam, DWORD dwFlags)
{
	AddRef();  // a sink may drop the last other reference while it is called
	BOOL bCalled = FALSE;
	for (DWORD dwCookie : CookiesOf(dwCode))
	{
		// Looked up again for each call: a sink unsubscribed meanwhile is skipped.
		CKTNotificationSink* pSink = SinkOf(dwCookie);
		if (!pSink)
			continue;
		pSink->OnEvent(dwCode, wParam, lParam, dwFlags);
		bCalled = TRUE;
	}
	Release();
	return bCalled;
}

CKTNotificationConnectionMT::CKTNotificationConnectionMT()
{
	::InitializeCriticalSection(&m_cs);
}

CKTNotificationConnectionMT::~CKTNotificationConnectionMT()
{
	::DeleteCriticalSection(&m_cs);
}

void CKTNotificationConnectionMT::Lock()
{
	::EnterCriticalSection(&m_cs);
}

void CKTNotificationConnectionMT::Unlock()
{
	::LeaveCriticalSection(&m_cs);
}

CKTNotificationSink::CKTNotificationSink() = default;

CKTNotificationSink::~CKTNotificationSink()
{
	UnadviseAll();
}

DWORD CKTNotificationSink::Advise(CKTNotificationConnection* pConnection, DWORD dwCode)
{
	if (!pConnection)
		return 0;
	DWORD dwCookie = pConnection->Advise(this, dwCode);
	if (!dwCookie)
		return 0;
	pConnection->AddRef();
	m_arrAdvices.push_back({dwCookie, dwCode, pConnection});
	return dwCookie;
}

void CKTNotificationSink::Unadvise(DWORD dwCookie)
{
	auto it = std::find_if(m_arrAdvices.begin(), m_arrAdvices.end(),
	                       [dwCookie](const Advice& a) { return a.dwCookie == dwCookie; });
	if (it == m_arrAdvices.end())
		return;
	CKTNotificationConnection* pConnection = it->pConnection;
	m_arrAdvices.erase(it);
	pConnection->Unadvise(dwCookie);
	pConnection->Release();
}

void CKTNotificationSink::UnadviseAll()
{
	while (!m_arrAdvices.empty())
		Unadvise(m_arrAdvices.back().dwCookie);
}

void CKTNotificationSink::OnEvent(DWORD /*dwCode*/, WPARAM /*wParam*/, LPARAM /*lParam*/, DWORD /*dwFlags*/)
{
}
