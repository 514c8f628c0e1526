/* dravolint.h: sockets and bounds-checked bit and byte packing for generated protocol code.
 *
 * Portable C99: Winsock on Windows, POSIX sockets elsewhere. Every function
 * returns one of the DRAVOLINT_ status codes below; DRAVOLINT_OK is 0 and
 * every failure is negative.
 *
 * Types: dravolint_socket, dravolint_writer, dravolint_reader.
 */
#ifndef DRAVOLINT_H
#define DRAVOLINT_H

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Windows DLL: DRAVOLINT_DLL where the runtime lives in a DLL, and also
 * DRAVOLINT_BUILD while building it; a protocol's header defines both from
 * its own DLL macros, since its DLL carries the runtime. */
#if defined(_WIN32) && defined(DRAVOLINT_DLL)
#ifdef DRAVOLINT_BUILD
#define DRAVOLINT_API __declspec(dllexport)
#else
#define DRAVOLINT_API __declspec(dllimport)
#endif
#else
#define DRAVOLINT_API
#endif

/* Status codes shared by the runtime and by all generated code. */
#define DRAVOLINT_OK 0
#define DRAVOLINT_E_ARGUMENT (-1)  /* a null pointer or an unusable argument */
#define DRAVOLINT_E_SPACE (-2)     /* the output buffer is too small */
#define DRAVOLINT_E_TRUNCATED (-3) /* the input ends before the packet does */
#define DRAVOLINT_E_LENGTH (-4)    /* a length role disagrees with the bytes */
#define DRAVOLINT_E_RANGE (-5)     /* a value, count or length exceeds its field */
#define DRAVOLINT_E_TYPE (-6)      /* unknown packet type */
#define DRAVOLINT_E_FORMAT (-7)    /* malformed: missing terminator, bad or repeated TLV */
#define DRAVOLINT_E_SOCKET (-8)    /* the operating system refused a socket call */
#define DRAVOLINT_E_TIMEOUT (-9)   /* nothing arrived in time */
#define DRAVOLINT_E_CLOSED (-10)   /* the peer closed the connection */
#define DRAVOLINT_E_MEMORY (-11)   /* out of memory */

/* A short English text for a status code, never NULL. */
DRAVOLINT_API const char *dravolint_status_text(int status);

/* ---- Sockets ------------------------------------------------------------ */

#define DRAVOLINT_TCP 0
#define DRAVOLINT_UDP 1
#define DRAVOLINT_DEFAULT_TIMEOUT_MS 5000

typedef struct dravolint_socket {
	uintptr_t handle;           /* the system's socket; DRAVOLINT_NO_SOCKET when closed */
	int protocol;               /* DRAVOLINT_TCP or DRAVOLINT_UDP */
	int timeout_ms;             /* limit of every receive and accept */
	unsigned char peer[128];    /* UDP: where replies go (the last sender) */
	int peer_length;            /* bytes of peer in use; 0 when there is none */
} dravolint_socket;

#define DRAVOLINT_NO_SOCKET ((uintptr_t)-1)

/* Process-wide set-up and tear-down (Winsock on Windows; no-ops elsewhere). */
DRAVOLINT_API int dravolint_startup(void);
DRAVOLINT_API void dravolint_cleanup(void);

/* Clients: a connected TCP socket, or a UDP socket whose peer is the server. */
DRAVOLINT_API int dravolint_connect(dravolint_socket *s, int protocol, const char *host, unsigned short port);
/* Servers: a listening TCP socket or a bound UDP socket on every local address
 * of host (NULL for any); port 0 picks a free port, see dravolint_local_port. */
DRAVOLINT_API int dravolint_listen(dravolint_socket *s, int protocol, const char *host, unsigned short port);
/* Waits at most the server's timeout for one TCP connection. */
DRAVOLINT_API int dravolint_accept(dravolint_socket *server, dravolint_socket *client);
DRAVOLINT_API int dravolint_local_port(const dravolint_socket *s, unsigned short *port);
DRAVOLINT_API void dravolint_set_timeout(dravolint_socket *s, int timeout_ms);

/* TCP: sends every byte; UDP: sends one datagram to the peer. */
DRAVOLINT_API int dravolint_send_all(dravolint_socket *s, const void *data, size_t length);
/* TCP: receives exactly length bytes within the timeout. */
DRAVOLINT_API int dravolint_recv_exact(dravolint_socket *s, void *data, size_t length);
/* UDP: receives one datagram of at most capacity bytes. A longer one gives
 * DRAVOLINT_E_LENGTH on Windows and is cut to capacity elsewhere, so pass one
 * byte more than the largest valid datagram to tell them apart. The sender
 * becomes the peer. */
DRAVOLINT_API int dravolint_recv_datagram(dravolint_socket *s, void *data, size_t capacity, size_t *length);
DRAVOLINT_API void dravolint_close(dravolint_socket *s);

/* ---- Writing ------------------------------------------------------------ */

typedef struct dravolint_writer {
	unsigned char *data;  /* the caller's buffer */
	size_t capacity;      /* its size in bytes */
	size_t position;      /* bytes completed */
	unsigned bits;        /* bits already used of data[position], 0-7 */
} dravolint_writer;

DRAVOLINT_API void dravolint_writer_init(dravolint_writer *w, unsigned char *data, size_t capacity);
DRAVOLINT_API int dravolint_put_u8(dravolint_writer *w, uint8_t value);
DRAVOLINT_API int dravolint_put_u16(dravolint_writer *w, uint16_t value);
DRAVOLINT_API int dravolint_put_u32(dravolint_writer *w, uint32_t value);
DRAVOLINT_API int dravolint_put_u64(dravolint_writer *w, uint64_t value);
/* The low width bits of value (1-32), most significant bit first; a value
 * wider than width gives DRAVOLINT_E_RANGE. */
DRAVOLINT_API int dravolint_put_bits(dravolint_writer *w, uint32_t value, unsigned width);
/* Fills the rest of a partly written byte with zero bits. */
DRAVOLINT_API int dravolint_put_align(dravolint_writer *w);
DRAVOLINT_API int dravolint_put_bytes(dravolint_writer *w, const void *data, size_t length);
DRAVOLINT_API int dravolint_put_zeros(dravolint_writer *w, size_t length);

/* ---- Reading ------------------------------------------------------------ */

typedef struct dravolint_reader {
	const unsigned char *data; /* the received bytes */
	size_t end;                /* bytes that may be read */
	size_t position;           /* bytes completed */
	unsigned bits;             /* bits already read of data[position], 0-7 */
} dravolint_reader;

DRAVOLINT_API void dravolint_reader_init(dravolint_reader *r, const unsigned char *data, size_t length);
DRAVOLINT_API size_t dravolint_remaining(const dravolint_reader *r);
DRAVOLINT_API int dravolint_get_u8(dravolint_reader *r, uint8_t *value);
DRAVOLINT_API int dravolint_get_u16(dravolint_reader *r, uint16_t *value);
DRAVOLINT_API int dravolint_get_u32(dravolint_reader *r, uint32_t *value);
DRAVOLINT_API int dravolint_get_u64(dravolint_reader *r, uint64_t *value);
DRAVOLINT_API int dravolint_get_s8(dravolint_reader *r, int8_t *value);
DRAVOLINT_API int dravolint_get_s16(dravolint_reader *r, int16_t *value);
DRAVOLINT_API int dravolint_get_s32(dravolint_reader *r, int32_t *value);
DRAVOLINT_API int dravolint_get_s64(dravolint_reader *r, int64_t *value);
DRAVOLINT_API int dravolint_get_bits(dravolint_reader *r, uint32_t *value, unsigned width);
DRAVOLINT_API int dravolint_get_align(dravolint_reader *r);
DRAVOLINT_API int dravolint_get_bytes(dravolint_reader *r, void *data, size_t length);
DRAVOLINT_API int dravolint_skip(dravolint_reader *r, size_t length);
/* Copies the bytes before the next 0 byte (at most capacity - 1 of them) into
 * data, terminates it and consumes the 0 byte; no 0 byte within reach gives
 * DRAVOLINT_E_FORMAT. length receives the bytes copied. */
DRAVOLINT_API int dravolint_get_terminated(dravolint_reader *r, char *data, size_t capacity, size_t *length);

/* Length of a text bounded by limit (the C library's is not C99). */
DRAVOLINT_API size_t dravolint_strnlen(const char *text, size_t limit);

/* ---- Straight-line access ------------------------------------------------
 * Generated code checks the room of a run of fixed-size fields once and then
 * moves each at its constant offset with these. When a check fails it takes
 * the per-field path above, which reports exactly where and why; defining
 * DRAVOLINT_FAST_PATH as 0 makes it always take that path, with the same
 * bytes and statuses. */

#ifndef DRAVOLINT_FAST_PATH
#define DRAVOLINT_FAST_PATH 1
#endif

#if defined(_MSC_VER) && !defined(__cplusplus)
#define DRAVOLINT_INLINE static __inline
#else
#define DRAVOLINT_INLINE static inline
#endif

DRAVOLINT_INLINE void dravolint_store_u16(unsigned char *out, uint16_t value)
{
	out[0] = (unsigned char)(value >> 8);
	out[1] = (unsigned char)value;
}

DRAVOLINT_INLINE void dravolint_store_u32(unsigned char *out, uint32_t value)
{
	out[0] = (unsigned char)(value >> 24);
	out[1] = (unsigned char)(value >> 16);
	out[2] = (unsigned char)(value >> 8);
	out[3] = (unsigned char)value;
}

DRAVOLINT_INLINE void dravolint_store_u64(unsigned char *out, uint64_t value)
{
	dravolint_store_u32(out, (uint32_t)(value >> 32));
	dravolint_store_u32(out + 4, (uint32_t)value);
}

/* The text's bytes up to its first 0, padded with 0 to exactly max bytes. */
DRAVOLINT_INLINE void dravolint_store_text(unsigned char *out, const char *text, size_t max)
{
	const char *zero = (const char *)memchr(text, 0, max);
	size_t length = zero != NULL ? (size_t)(zero - text) : max;
	memcpy(out, text, length);
	memset(out + length, 0, max - length);
}

DRAVOLINT_INLINE uint16_t dravolint_load_u16(const unsigned char *in)
{
	return (uint16_t)((unsigned)in[0] << 8 | in[1]);
}

DRAVOLINT_INLINE uint32_t dravolint_load_u32(const unsigned char *in)
{
	return (uint32_t)in[0] << 24 | (uint32_t)in[1] << 16 | (uint32_t)in[2] << 8 | in[3];
}

DRAVOLINT_INLINE uint64_t dravolint_load_u64(const unsigned char *in)
{
	return (uint64_t)dravolint_load_u32(in) << 32 | dravolint_load_u32(in + 4);
}

/* Two's complement of each width, without implementation-defined conversions. */
DRAVOLINT_INLINE int8_t dravolint_s8(uint8_t raw)
{
	return (int8_t)((int)(raw ^ 0x80u) - 0x80);
}

DRAVOLINT_INLINE int16_t dravolint_s16(uint16_t raw)
{
	return (int16_t)((int32_t)(raw ^ 0x8000u) - 0x8000);
}

DRAVOLINT_INLINE int32_t dravolint_s32(uint32_t raw)
{
	return (int32_t)((int64_t)(raw ^ 0x80000000u) - 0x80000000);
}

DRAVOLINT_INLINE int64_t dravolint_s64(uint64_t raw)
{
	return (raw >> 63) != 0 ? -(int64_t)~raw - 1 : (int64_t)raw;
}

#ifdef __cplusplus
}
#endif

#endif
