/* dravolint.c: sockets and bounds-checked bit and byte packing for generated protocol code. */
#if !defined(_WIN32) && !defined(_POSIX_C_SOURCE)
#define _POSIX_C_SOURCE 200112L
#endif

#include "dravolint.h"

#include <stdio.h>
#include <string.h>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
typedef SOCKET native_socket;
typedef int io_size;
#define NATIVE_INVALID INVALID_SOCKET
#define close_native closesocket
#else
#include <errno.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>
typedef int native_socket;
typedef size_t io_size;
#define NATIVE_INVALID (-1)
#define close_native close
#endif

/* A TCP peer that has gone must fail the send, not raise SIGPIPE and end the process. */
#ifdef MSG_NOSIGNAL
#define SEND_FLAGS MSG_NOSIGNAL
#else
#define SEND_FLAGS 0
#endif

/* One send or receive moves at most this much, so lengths fit an int on Winsock. */
#define CHUNK_LIMIT 0x40000000u

const char *dravolint_status_text(int status)
{
	switch (status) {
	case DRAVOLINT_OK: return "ok";
	case DRAVOLINT_E_ARGUMENT: return "invalid argument";
	case DRAVOLINT_E_SPACE: return "buffer too small";
	case DRAVOLINT_E_TRUNCATED: return "truncated packet";
	case DRAVOLINT_E_LENGTH: return "wrong length";
	case DRAVOLINT_E_RANGE: return "value out of range";
	case DRAVOLINT_E_TYPE: return "unknown packet type";
	case DRAVOLINT_E_FORMAT: return "malformed packet";
	case DRAVOLINT_E_SOCKET: return "socket error";
	case DRAVOLINT_E_TIMEOUT: return "timed out";
	case DRAVOLINT_E_CLOSED: return "connection closed";
	case DRAVOLINT_E_MEMORY: return "out of memory";
	default: return "unknown status";
	}
}

/* ---- Sockets ------------------------------------------------------------ */

static native_socket native_of(const dravolint_socket *s)
{
	return (native_socket)s->handle;
}

static void socket_reset(dravolint_socket *s, int protocol)
{
	memset(s, 0, sizeof *s);
	s->handle = DRAVOLINT_NO_SOCKET;
	s->protocol = protocol;
	s->timeout_ms = DRAVOLINT_DEFAULT_TIMEOUT_MS;
}

int dravolint_startup(void)
{
#ifdef _WIN32
	WSADATA data;
	return WSAStartup(MAKEWORD(2, 2), &data) == 0 ? DRAVOLINT_OK : DRAVOLINT_E_SOCKET;
#else
	return DRAVOLINT_OK;
#endif
}

void dravolint_cleanup(void)
{
#ifdef _WIN32
	WSACleanup();
#endif
}

/* Waits until s can be read; DRAVOLINT_E_TIMEOUT after the socket's timeout. */
static int wait_readable(const dravolint_socket *s)
{
	int ready;
#ifdef _WIN32
	fd_set set;
	struct timeval limit;
	FD_ZERO(&set);
	FD_SET(native_of(s), &set);
	limit.tv_sec = s->timeout_ms / 1000;
	limit.tv_usec = (s->timeout_ms % 1000) * 1000;
	ready = select(0, &set, NULL, NULL, &limit);
#else
	struct pollfd entry;
	entry.fd = native_of(s);
	entry.events = POLLIN;
	entry.revents = 0;
	do {
		ready = poll(&entry, 1, s->timeout_ms);
	} while (ready < 0 && errno == EINTR);
#endif
	if (ready < 0)
		return DRAVOLINT_E_SOCKET;
	return ready == 0 ? DRAVOLINT_E_TIMEOUT : DRAVOLINT_OK;
}

static int resolve(const char *host, unsigned short port, int protocol, int passive,
		struct addrinfo **found)
{
	struct addrinfo hints;
	char service[8];
	memset(&hints, 0, sizeof hints);
	hints.ai_family = AF_INET;
	hints.ai_socktype = protocol == DRAVOLINT_UDP ? SOCK_DGRAM : SOCK_STREAM;
	hints.ai_flags = passive ? AI_PASSIVE : 0;
	snprintf(service, sizeof service, "%u", (unsigned)port);
	return getaddrinfo(host, service, &hints, found) == 0 ? DRAVOLINT_OK : DRAVOLINT_E_SOCKET;
}

/* Opens a socket for the first usable address, connected or bound. */
static int open_socket(dravolint_socket *s, int protocol, const char *host, unsigned short port,
		int server)
{
	struct addrinfo *list, *entry;
	int status;
	if (s == NULL || (protocol != DRAVOLINT_TCP && protocol != DRAVOLINT_UDP))
		return DRAVOLINT_E_ARGUMENT;
	socket_reset(s, protocol);
	status = resolve(host, port, protocol, server, &list);
	if (status != DRAVOLINT_OK)
		return status;
	status = DRAVOLINT_E_SOCKET;
	for (entry = list; entry != NULL && status != DRAVOLINT_OK; entry = entry->ai_next) {
		native_socket fd = socket(entry->ai_family, entry->ai_socktype, entry->ai_protocol);
		int done, yes = 1;
		if (fd == NATIVE_INVALID)
			continue;
		if (server) {
			if (protocol == DRAVOLINT_TCP)
				setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, (const char *)&yes, sizeof yes);
			done = bind(fd, entry->ai_addr, (socklen_t)entry->ai_addrlen) == 0
				&& (protocol == DRAVOLINT_UDP || listen(fd, 8) == 0);
		} else {
			done = connect(fd, entry->ai_addr, (socklen_t)entry->ai_addrlen) == 0;
		}
		if (!done) {
			close_native(fd);
			continue;
		}
		s->handle = (uintptr_t)fd;
		status = DRAVOLINT_OK;
	}
	freeaddrinfo(list);
	return status;
}

int dravolint_connect(dravolint_socket *s, int protocol, const char *host, unsigned short port)
{
	if (host == NULL)
		return DRAVOLINT_E_ARGUMENT;
	return open_socket(s, protocol, host, port, 0);
}

int dravolint_listen(dravolint_socket *s, int protocol, const char *host, unsigned short port)
{
	return open_socket(s, protocol, host, port, 1);
}

int dravolint_accept(dravolint_socket *server, dravolint_socket *client)
{
	native_socket fd;
	int status;
	if (server == NULL || client == NULL || server->protocol != DRAVOLINT_TCP)
		return DRAVOLINT_E_ARGUMENT;
	status = wait_readable(server);
	if (status != DRAVOLINT_OK)
		return status;
	fd = accept(native_of(server), NULL, NULL);
	if (fd == NATIVE_INVALID)
		return DRAVOLINT_E_SOCKET;
	socket_reset(client, DRAVOLINT_TCP);
	client->handle = (uintptr_t)fd;
	client->timeout_ms = server->timeout_ms;
	return DRAVOLINT_OK;
}

int dravolint_local_port(const dravolint_socket *s, unsigned short *port)
{
	struct sockaddr_in address;
	socklen_t length = sizeof address;
	if (s == NULL || port == NULL || s->handle == DRAVOLINT_NO_SOCKET)
		return DRAVOLINT_E_ARGUMENT;
	if (getsockname(native_of(s), (struct sockaddr *)&address, &length) != 0)
		return DRAVOLINT_E_SOCKET;
	*port = ntohs(address.sin_port);
	return DRAVOLINT_OK;
}

void dravolint_set_timeout(dravolint_socket *s, int timeout_ms)
{
	if (s != NULL && timeout_ms >= 0)
		s->timeout_ms = timeout_ms;
}

static int send_datagram(dravolint_socket *s, const void *data, size_t length)
{
	long sent;
	if (length > CHUNK_LIMIT)
		return DRAVOLINT_E_LENGTH;
	if (s->peer_length > 0)
		sent = (long)sendto(native_of(s), (const char *)data, (io_size)length, 0,
				(const struct sockaddr *)s->peer, (socklen_t)s->peer_length);
	else
		sent = (long)send(native_of(s), (const char *)data, (io_size)length, 0);
	return sent == (long)length ? DRAVOLINT_OK : DRAVOLINT_E_SOCKET;
}

int dravolint_send_all(dravolint_socket *s, const void *data, size_t length)
{
	const char *next = (const char *)data;
	if (s == NULL || (data == NULL && length > 0) || s->handle == DRAVOLINT_NO_SOCKET)
		return DRAVOLINT_E_ARGUMENT;
	if (s->protocol == DRAVOLINT_UDP)
		return send_datagram(s, data, length);
	while (length > 0) {
		size_t chunk = length < CHUNK_LIMIT ? length : CHUNK_LIMIT;
		long sent = (long)send(native_of(s), next, (io_size)chunk, SEND_FLAGS);
		if (sent <= 0) {
#ifndef _WIN32
			if (sent < 0 && errno == EINTR)
				continue;
#endif
			return DRAVOLINT_E_SOCKET;
		}
		next += sent;
		length -= (size_t)sent;
	}
	return DRAVOLINT_OK;
}

int dravolint_recv_exact(dravolint_socket *s, void *data, size_t length)
{
	char *next = (char *)data;
	if (s == NULL || (data == NULL && length > 0) || s->handle == DRAVOLINT_NO_SOCKET)
		return DRAVOLINT_E_ARGUMENT;
	while (length > 0) {
		size_t chunk = length < CHUNK_LIMIT ? length : CHUNK_LIMIT;
		long got;
		int status = wait_readable(s);
		if (status != DRAVOLINT_OK)
			return status;
		got = (long)recv(native_of(s), next, (io_size)chunk, 0);
		if (got == 0)
			return DRAVOLINT_E_CLOSED;
		if (got < 0) {
#ifndef _WIN32
			if (errno == EINTR)
				continue;
#endif
			return DRAVOLINT_E_SOCKET;
		}
		next += got;
		length -= (size_t)got;
	}
	return DRAVOLINT_OK;
}

int dravolint_recv_datagram(dravolint_socket *s, void *data, size_t capacity, size_t *length)
{
	struct sockaddr_storage from;
	socklen_t from_length = sizeof from;
	long got;
	int status;
	if (s == NULL || length == NULL || s->protocol != DRAVOLINT_UDP || data == NULL || capacity == 0)
		return DRAVOLINT_E_ARGUMENT;
	*length = 0;
	status = wait_readable(s);
	if (status != DRAVOLINT_OK)
		return status;
	if (capacity >= CHUNK_LIMIT)
		capacity = CHUNK_LIMIT - 1;
	got = (long)recvfrom(native_of(s), (char *)data, (io_size)capacity, 0, (struct sockaddr *)&from,
			&from_length);
#ifdef _WIN32
	if (got < 0 && WSAGetLastError() == WSAEMSGSIZE)
		return DRAVOLINT_E_LENGTH;
#endif
	if (got < 0)
		return DRAVOLINT_E_SOCKET;
	if (from_length > 0 && (size_t)from_length <= sizeof s->peer) {
		memcpy(s->peer, &from, (size_t)from_length);
		s->peer_length = (int)from_length;
	}
	*length = (size_t)got;
	return DRAVOLINT_OK;
}

void dravolint_close(dravolint_socket *s)
{
	if (s == NULL || s->handle == DRAVOLINT_NO_SOCKET)
		return;
	close_native(native_of(s));
	s->handle = DRAVOLINT_NO_SOCKET;
	s->peer_length = 0;
}

/* ---- Writing ------------------------------------------------------------ */

void dravolint_writer_init(dravolint_writer *w, unsigned char *data, size_t capacity)
{
	w->data = data;
	w->capacity = data != NULL ? capacity : 0;
	w->position = 0;
	w->bits = 0;
}

/* Whole-byte writes need a byte boundary and room for length more bytes. */
static int writer_room(const dravolint_writer *w, size_t length)
{
	if (w->bits != 0)
		return DRAVOLINT_E_FORMAT;
	return length <= w->capacity - w->position ? DRAVOLINT_OK : DRAVOLINT_E_SPACE;
}

static int put_big_endian(dravolint_writer *w, uint64_t value, unsigned size)
{
	unsigned i;
	int status = writer_room(w, size);
	if (status != DRAVOLINT_OK)
		return status;
	for (i = 0; i < size; ++i)
		w->data[w->position + i] = (unsigned char)(value >> (8 * (size - 1 - i)));
	w->position += size;
	return DRAVOLINT_OK;
}

int dravolint_put_u8(dravolint_writer *w, uint8_t value) { return put_big_endian(w, value, 1); }
int dravolint_put_u16(dravolint_writer *w, uint16_t value) { return put_big_endian(w, value, 2); }
int dravolint_put_u32(dravolint_writer *w, uint32_t value) { return put_big_endian(w, value, 4); }
int dravolint_put_u64(dravolint_writer *w, uint64_t value) { return put_big_endian(w, value, 8); }

int dravolint_put_bits(dravolint_writer *w, uint32_t value, unsigned width)
{
	if (width == 0 || width > 32)
		return DRAVOLINT_E_ARGUMENT;
	if (width < 32 && (value >> width) != 0)
		return DRAVOLINT_E_RANGE;
	while (width > 0) {
		unsigned free_bits = 8 - w->bits;
		unsigned take = width < free_bits ? width : free_bits;
		unsigned chunk = (unsigned)(value >> (width - take)) & ((1u << take) - 1u);
		if (w->position >= w->capacity)
			return DRAVOLINT_E_SPACE;
		if (w->bits == 0)
			w->data[w->position] = 0;
		w->data[w->position] |= (unsigned char)(chunk << (free_bits - take));
		w->bits += take;
		width -= take;
		if (w->bits == 8) {
			w->bits = 0;
			++w->position;
		}
	}
	return DRAVOLINT_OK;
}

int dravolint_put_align(dravolint_writer *w)
{
	if (w->bits != 0) {
		w->bits = 0;
		++w->position;
	}
	return DRAVOLINT_OK;
}

int dravolint_put_bytes(dravolint_writer *w, const void *data, size_t length)
{
	int status = writer_room(w, length);
	if (status != DRAVOLINT_OK)
		return status;
	if (length > 0)
		memcpy(w->data + w->position, data, length);
	w->position += length;
	return DRAVOLINT_OK;
}

int dravolint_put_zeros(dravolint_writer *w, size_t length)
{
	int status = writer_room(w, length);
	if (status != DRAVOLINT_OK)
		return status;
	if (length > 0)
		memset(w->data + w->position, 0, length);
	w->position += length;
	return DRAVOLINT_OK;
}

/* ---- Reading ------------------------------------------------------------ */

void dravolint_reader_init(dravolint_reader *r, const unsigned char *data, size_t length)
{
	r->data = data;
	r->end = data != NULL ? length : 0;
	r->position = 0;
	r->bits = 0;
}

size_t dravolint_remaining(const dravolint_reader *r)
{
	return r->end - r->position;
}

static int reader_room(const dravolint_reader *r, size_t length)
{
	if (r->bits != 0)
		return DRAVOLINT_E_FORMAT;
	return length <= r->end - r->position ? DRAVOLINT_OK : DRAVOLINT_E_TRUNCATED;
}

static int get_big_endian(dravolint_reader *r, uint64_t *value, unsigned size)
{
	unsigned i;
	uint64_t result = 0;
	int status = reader_room(r, size);
	if (status != DRAVOLINT_OK)
		return status;
	for (i = 0; i < size; ++i)
		result = (result << 8) | r->data[r->position + i];
	r->position += size;
	*value = result;
	return DRAVOLINT_OK;
}

/* Two's complement from the raw bits without implementation-defined conversion. */
static int64_t signed_of(uint64_t raw, unsigned size)
{
	uint64_t sign = (uint64_t)1 << (8 * size - 1);
	if ((raw & sign) == 0)
		return (int64_t)raw;
	if (size == 8)
		return -(int64_t)(~raw) - 1;
	return (int64_t)raw - (int64_t)(sign << 1);
}

/* Reads size bytes into *value through convert, leaving it untouched on failure. */
#define DEFINE_GET(name, type, size, convert) \
	int name(dravolint_reader *r, type *value) \
	{ \
		uint64_t raw; \
		int status = get_big_endian(r, &raw, size); \
		if (status == DRAVOLINT_OK) \
			*value = (type)(convert); \
		return status; \
	}

DEFINE_GET(dravolint_get_u8, uint8_t, 1, raw)
DEFINE_GET(dravolint_get_u16, uint16_t, 2, raw)
DEFINE_GET(dravolint_get_u32, uint32_t, 4, raw)
DEFINE_GET(dravolint_get_u64, uint64_t, 8, raw)
DEFINE_GET(dravolint_get_s8, int8_t, 1, signed_of(raw, 1))
DEFINE_GET(dravolint_get_s16, int16_t, 2, signed_of(raw, 2))
DEFINE_GET(dravolint_get_s32, int32_t, 4, signed_of(raw, 4))
DEFINE_GET(dravolint_get_s64, int64_t, 8, signed_of(raw, 8))

int dravolint_get_bits(dravolint_reader *r, uint32_t *value, unsigned width)
{
	uint32_t result = 0;
	size_t position = r->position;
	unsigned bits = r->bits;
	if (width == 0 || width > 32)
		return DRAVOLINT_E_ARGUMENT;
	while (width > 0) {
		unsigned left = 8 - bits;
		unsigned take = width < left ? width : left;
		if (position >= r->end)
			return DRAVOLINT_E_TRUNCATED;
		result = (uint32_t)(((uint64_t)result << take)
			| ((r->data[position] >> (left - take)) & ((1u << take) - 1u)));
		bits += take;
		width -= take;
		if (bits == 8) {
			bits = 0;
			++position;
		}
	}
	r->position = position;
	r->bits = bits;
	*value = result;
	return DRAVOLINT_OK;
}

int dravolint_get_align(dravolint_reader *r)
{
	if (r->bits != 0) {
		r->bits = 0;
		++r->position;
	}
	return DRAVOLINT_OK;
}

int dravolint_get_bytes(dravolint_reader *r, void *data, size_t length)
{
	int status = reader_room(r, length);
	if (status != DRAVOLINT_OK)
		return status;
	if (length > 0)
		memcpy(data, r->data + r->position, length);
	r->position += length;
	return DRAVOLINT_OK;
}

int dravolint_skip(dravolint_reader *r, size_t length)
{
	int status = reader_room(r, length);
	if (status == DRAVOLINT_OK)
		r->position += length;
	return status;
}

int dravolint_get_terminated(dravolint_reader *r, char *data, size_t capacity, size_t *length)
{
	const unsigned char *start, *zero;
	size_t reach, found;
	int status = reader_room(r, 0);
	if (status != DRAVOLINT_OK)
		return status;
	if (data == NULL || capacity == 0)
		return DRAVOLINT_E_ARGUMENT;
	start = r->data + r->position;
	reach = dravolint_remaining(r) < capacity ? dravolint_remaining(r) : capacity;
	zero = reach > 0 ? (const unsigned char *)memchr(start, 0, reach) : NULL;
	if (zero == NULL)
		return reach < capacity ? DRAVOLINT_E_TRUNCATED : DRAVOLINT_E_RANGE;
	found = (size_t)(zero - start);
	memcpy(data, start, found);
	data[found] = '\0';
	r->position += found + 1;
	if (length != NULL)
		*length = found;
	return DRAVOLINT_OK;
}

size_t dravolint_strnlen(const char *text, size_t limit)
{
	size_t length = 0;
	while (length < limit && text[length] != '\0')
		++length;
	return length;
}
