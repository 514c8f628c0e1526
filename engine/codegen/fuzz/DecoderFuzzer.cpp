// DecoderFuzzer.cpp: the generated decoders of the examples on arbitrary bytes.
//
// The first byte picks the example. Whatever decodes must encode again, and
// that encoding must decode and encode to the very same bytes; printing a
// decoded packet must stay within it.
#include "beacon_api.h"
#include "chat_api.h"
#include "sensor_api.h"
#include "vault_api.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Each example's encoder for any of its packets.
#define ENCODE_CASE(project, packet) \
    case project##_TYPE_##packet: \
        return project##_encode_##packet(&p->as.packet, buf, capacity, length);

int EncodeChat(chat_packet_t* p, unsigned char* buf, size_t capacity, size_t* length)
{
    switch (p->type) {
    ENCODE_CASE(chat, hello)
    ENCODE_CASE(chat, message)
    ENCODE_CASE(chat, bye)
    }
    return DRAVOLINT_E_TYPE;
}

int EncodeSensor(sensor_packet_t* p, unsigned char* buf, size_t capacity, size_t* length)
{
    switch (p->type) {
    ENCODE_CASE(sensor, reading)
    ENCODE_CASE(sensor, batch)
    }
    return DRAVOLINT_E_TYPE;
}

int EncodeVault(vault_packet_t* p, unsigned char* buf, size_t capacity, size_t* length)
{
    switch (p->type) {
    ENCODE_CASE(vault, store)
    ENCODE_CASE(vault, result)
    }
    return DRAVOLINT_E_TYPE;
}

int EncodeBeacon(beacon_packet_t* p, unsigned char* buf, size_t capacity, size_t* length)
{
    switch (p->type) {
    ENCODE_CASE(beacon, ping)
    ENCODE_CASE(beacon, pong)
    }
    return DRAVOLINT_E_TYPE;
}

FILE* Sink()
{
    static FILE* sink = std::fopen("/dev/null", "w");
    return sink;
}

template <typename Packet>
struct Codec
{
    int (*decode)(const unsigned char*, size_t, Packet*);
    int (*encode)(Packet*, unsigned char*, size_t, size_t*);
    int (*print)(FILE*, const Packet*);
    size_t maxSize;
};

template <typename Packet>
void RoundTrip(const Codec<Packet>& codec, const uint8_t* data, size_t size)
{
    static Packet first, second;
    if (codec.decode(data, size, &first) != DRAVOLINT_OK)
        return;
    codec.print(Sink(), &first);
    std::vector<unsigned char> once(codec.maxSize), twice(codec.maxSize);
    size_t onceLength = 0, twiceLength = 0;
    if (codec.encode(&first, once.data(), once.size(), &onceLength) != DRAVOLINT_OK)
        std::abort();
    if (codec.decode(once.data(), onceLength, &second) != DRAVOLINT_OK)
        std::abort();
    if (codec.encode(&second, twice.data(), twice.size(), &twiceLength) != DRAVOLINT_OK)
        std::abort();
    if (onceLength != twiceLength || std::memcmp(once.data(), twice.data(), onceLength) != 0)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t* packet = data + 1;
    size_t length = size - 1;
    switch (data[0] % 4) {
    case 0: RoundTrip(Codec<chat_packet_t>{chat_decode, EncodeChat, chat_print, chat_MAX_PACKET_SIZE}, packet, length); break;
    case 1: RoundTrip(Codec<sensor_packet_t>{sensor_decode, EncodeSensor, sensor_print, sensor_MAX_PACKET_SIZE}, packet, length); break;
    case 2: RoundTrip(Codec<vault_packet_t>{vault_decode, EncodeVault, vault_print, vault_MAX_PACKET_SIZE}, packet, length); break;
    default: RoundTrip(Codec<beacon_packet_t>{beacon_decode, EncodeBeacon, beacon_print, beacon_MAX_PACKET_SIZE}, packet, length); break;
    }
    return 0;
}
