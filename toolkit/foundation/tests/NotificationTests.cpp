// NotificationTests.cpp: subscriptions, sending order, and delivery across threads.
#include <gtest/gtest.h>

#include <vector>

#include "KTNotificationConnection.h"
#include "KTNotificationSinkMTWnd.h"

namespace {

// Records every event it hears; may unsubscribe another sink when called.
class CRecordingSink : public CKTNotificationSink
{
public:
	CRecordingSink(std::vector<int>* pLog, int nTag) : m_pLog(pLog), m_nTag(nTag) {}
	void OnEvent(DWORD dwCode, WPARAM wParam, LPARAM lParam, DWORD dwFlags) override
	{
		m_pLog->push_back(m_nTag);
		m_dwLastFlags = dwFlags;
		m_wLastParam = wParam;
		m_lLastParam = lParam;
		if (m_pVictim)
			m_pVictim->Unadvise(m_dwVictimCookie);
	}

	std::vector<int>* m_pLog;
	int m_nTag;
	DWORD m_dwLastFlags = 0;
	WPARAM m_wLastParam = 0;
	LPARAM m_lLastParam = 0;
	CKTNotificationSink* m_pVictim = nullptr;
	DWORD m_dwVictimCookie = 0;
};

}  // namespace

TEST(NotificationConnection, DeliversInSubscriptionOrderToThatCodeOnly)
{
	std::vector<int> log;
	CKTNotificationConnection* pConnection = new CKTNotificationConnection;
	CRecordingSink first(&log, 1), second(&log, 2), other(&log, 3);
	EXPECT_NE(0u, second.Advise(pConnection, 7));
	EXPECT_NE(0u, first.Advise(pConnection, 7));
	EXPECT_NE(0u, other.Advise(pConnection, 8));

	EXPECT_TRUE(pConnection->SendEvent(7, 11, 12, 0xA0000000));
	EXPECT_EQ((std::vector<int>{2, 1}), log);
	EXPECT_EQ(0xA0000000u, first.m_dwLastFlags);
	EXPECT_EQ(11u, first.m_wLastParam);
	EXPECT_EQ(12, first.m_lLastParam);
	EXPECT_FALSE(pConnection->SendEvent(9, 0, 0)) << "no sink for code 9";
	pConnection->Release();
}

TEST(NotificationConnection, SinkUnsubscribedDuringSendIsSkipped)
{
	std::vector<int> log;
	CKTNotificationConnection* pConnection = new CKTNotificationConnection;
	CRecordingSink first(&log, 1), second(&log, 2);
	first.Advise(pConnection, 5);
	second.m_dwVictimCookie = second.Advise(pConnection, 5);
	first.m_pVictim = &second;
	second.m_pVictim = nullptr;
	first.m_dwVictimCookie = second.m_dwVictimCookie;

	EXPECT_TRUE(pConnection->SendEvent(5, 0, 0));
	EXPECT_EQ((std::vector<int>{1}), log);
	pConnection->Release();
}

TEST(NotificationConnection, SinksKeepTheConnectionAliveAndCookiesAreDistinct)
{
	std::vector<int> log;
	CKTNotificationConnection* pFirst = new CKTNotificationConnection;
	CKTNotificationConnection* pSecond = new CKTNotificationConnectionMT;
	{
		CRecordingSink sink(&log, 1);
		DWORD dwCookie1 = sink.Advise(pFirst, 1);
		DWORD dwCookie2 = sink.Advise(pSecond, 1);
		EXPECT_NE(dwCookie1, dwCookie2) << "one sink on two connections needs two cookies";
		EXPECT_EQ(2, pFirst->AddRef() - 1);
		pFirst->Release();
		sink.Unadvise(dwCookie1);
		EXPECT_FALSE(pFirst->SendEvent(1, 0, 0));
		EXPECT_TRUE(pSecond->SendEvent(1, 0, 0));
	}
	EXPECT_FALSE(pSecond->SendEvent(1, 0, 0)) << "the destructor cancels every subscription";
	EXPECT_EQ(2, pSecond->AddRef()) << "and gives back its reference";
	pSecond->Release();
	pSecond->Release();
	pFirst->Release();
	EXPECT_EQ(0u, CRecordingSink(&log, 0).Advise(nullptr, 1));
}

namespace {

// A sink that hands every event to its hidden window and hears it again on
// the window's thread, as the cross-thread sink does.
class CPostingSink : public CKTNotificationSink, public CKTNotificationSinkMTWnd
{
public:
	void OnEvent(DWORD dwCode, WPARAM wParam, LPARAM /*lParam*/, DWORD /*dwFlags*/) override
	{
		::PostMessageA(GetSafeHwnd(), KTNotificationSinkMTOnEvent, dwCode, wParam);
	}
	LRESULT OnWindowEvent(WPARAM wParam, LPARAM lParam) override
	{
		m_dwThread = ::GetCurrentThreadId();
		m_dwCode = static_cast<DWORD>(wParam);
		m_lValue = lParam;
		return 0;
	}

	DWORD m_dwThread = 0;
	DWORD m_dwCode = 0;
	LPARAM m_lValue = 0;
};

DWORD WINAPI SendFromWorker(LPVOID pParam)
{
	auto* pConnection = static_cast<CKTNotificationConnection*>(pParam);
	pConnection->SendEvent(42, 4242, 0, 0x80000000);
	return 0;
}

}  // namespace

TEST(NotificationSinkMT, WorkerEventArrivesOnTheOwnerThread)
{
	EXPECT_NE(0u, KTNotificationSinkMTOnEvent);
	EXPECT_EQ(KTNotificationSinkMTOnEvent, ::RegisterWindowMessageA("KTNotificationSinkMTOnEvent"));

	CKTNotificationConnection* pConnection = new CKTNotificationConnectionMT;
	CPostingSink sink;
	ASSERT_TRUE(sink.CreateWnd());
	char szText[64] = "";
	::GetWindowTextA(sink.GetSafeHwnd(), szText, sizeof(szText));
	EXPECT_STREQ("KTNotificationSinkMT_MsgWnd", szText);
	EXPECT_FALSE(::IsWindowVisible(sink.GetSafeHwnd()));
	EXPECT_EQ(NULL, ::GetParent(sink.GetSafeHwnd()));
	sink.Advise(pConnection, 42);

	HANDLE hThread = ::CreateThread(NULL, 0, SendFromWorker, pConnection, 0, NULL);
	ASSERT_NE(nullptr, hThread);
	DWORD dwWorker = ::GetThreadId(hThread);
	DWORD dwStart = ::GetTickCount();
	MSG msg;
	while (sink.m_dwCode == 0 && ::GetTickCount() - dwStart < 5000)
	{
		while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
			::DispatchMessageA(&msg);
		::Sleep(5);
	}
	::WaitForSingleObject(hThread, 5000);
	::CloseHandle(hThread);

	EXPECT_EQ(42u, sink.m_dwCode);
	EXPECT_EQ(4242, sink.m_lValue);
	EXPECT_EQ(::GetCurrentThreadId(), sink.m_dwThread);
	EXPECT_NE(dwWorker, sink.m_dwThread);
	sink.UnadviseAll();
	pConnection->Release();
}

TEST(NotificationSinkMT, DestroyedWindowIsGone)
{
	CPostingSink sink;
	ASSERT_TRUE(sink.CreateWnd());
	HWND hWnd = sink.GetSafeHwnd();
	sink.DestroyWnd();
	EXPECT_FALSE(::IsWindow(hWnd));
	EXPECT_EQ(NULL, sink.GetSafeHwnd());
}
