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

#ifdef __cplusplus
}
#endif

#endif
