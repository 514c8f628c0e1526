// KTNotificationConnection.h: subscriptions by notification code, delivered to sinks.
//
// Classes: CKTNotificationConnection, CKTNotificationConnectionMT, CKTNotificationSink.
#pragma once

#include <windows.h>

#include <vector>

#include "KTRefCounted.h"

class CKTNotificationSink;

// A reference-counted list of subscriptions {code, sink, cookie}. The owner
// creates it with new and lets go of it with Release; every subscribed sink
// holds a reference too, so the list outlives whichever goes first.
class CKTNotificationConnection : public CKTRefCounted
{
public:
	CKTNotificationConnection();

	// Subscribes the sink to one code; returns a non-zero cookie, 0 on failure.
	DWORD Advise(CKTNotificationSink* pSink, DWORD dwCode);
	void Unadvise(DWORD dwCookie);

	// Calls every sink subscribed to the code, in subscription order, on the
	// calling thread; TRUE when at least one was called.
	BOOL SendEvent(DWORD dwCode, WPARAM wParam, LPARAM lParam, DWORD dwFlags = 0);

protected:
	~CKTNotificationConnection() override;
	virtual void Lock() {}
	virtual void Unlock() {}

private:
	// Holds the connection's lock for one scope.
	class CLockScope
	{
	public:
		explicit CLockScope(CKTNotificationConnection* pConnection) : m_pConnection(pConnection) { m_pConnection->Lock(); }
		~CLockScope() { m_pConnection->Unlock(); }
		CLockScope(const CLockScope&) = delete;
		CLockScope& operator=(const CLockScope&) = delete;

	private:
		CKTNotificationConnection* m_pConnection;
	};

	struct Subscription
	{
		DWORD dwCode;
		CKTNotificationSink* pSink;  // not owned
		DWORD dwCookie;
	};

	std::vector<DWORD> CookiesOf(DWORD dwCode);
	CKTNotificationSink* SinkOf(DWORD dwCookie);

	static DWORD NextCookie();

	std::vector<Subscription> m_arrSubscriptions;  // in subscription order
};

// The same connection guarded by a critical section, so that several
// threads may send and subscribe.
class CKTNotificationConnectionMT : public CKTNotificationConnection
{
public:
	CKTNotificationConnectionMT();

protected:
	~CKTNotificationConnectionMT() override;
	void Lock() override;
	void Unlock() override;

private:
	CRITICAL_SECTION m_cs;  // guards the subscription list
};

// The basic subscriber: keeps its subscriptions and a reference to each
// connection, and cancels them all on destruction.
class CKTNotificationSink
{
public:
	CKTNotificationSink();
	virtual ~CKTNotificationSink();
	CKTNotificationSink(const CKTNotificationSink&) = delete;
	CKTNotificationSink& operator=(const CKTNotificationSink&) = delete;

	DWORD Advise(CKTNotificationConnection* pConnection, DWORD dwCode);
	void Unadvise(DWORD dwCookie);
	void UnadviseAll();

	// Receives the events on the thread that sends them.
	virtual void OnEvent(DWORD dwCode, WPARAM wParam, LPARAM lParam, DWORD dwFlags);

private:
	struct Advice
	{
		DWORD dwCookie;
		DWORD dwCode;
		CKTNotificationConnection* pConnection;  // one reference held
	};

	std::vector<Advice> m_arrAdvices;
};
