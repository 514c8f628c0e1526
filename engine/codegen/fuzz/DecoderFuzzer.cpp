// DecoderFuzzer.cpp: the generated decoders of the examples on arbitrary bytes, in both their builds.
//
// The first byte picks the example. The straight-line and the per-field build
// must agree on every status and every decoded field; whatever decodes must
// encode again alike in both, into any capacity, and that encoding must decode
// and encode to the very same bytes; printing a decoded packet must stay
// within it.
#include "ExampleCodecs.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{

using examples::Codec;

FILE* Sink()
{
    static FILE* sink = std::fopen("/dev/null", "w");
    return sink;
}

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

template <typename Fast, typename Ref>
void EncodeAlike(const Codec<Fast>& fast, const Codec<Ref>& ref, const Fast& packet, size_t capacity)
{
    static Fast fastPacket;
    static Ref refPacket;
    fastPacket = packet;
    std::memcpy(&refPacket, &packet, sizeof refPacket);
    std::vector<unsigned char> fastBytes(fast.maxSize, 0xA5), refBytes(fast.maxSize, 0xA5);
    size_t fastLength = 0, refLength = 0;
    Require(fast.encode(&fastPacket, fastBytes.data(), capacity, &fastLength) ==
            ref.encode(&refPacket, refBytes.data(), capacity, &refLength));
    Require(fastLength == refLength && fastBytes == refBytes);
}

template <typename Fast, typename Ref>
void RoundTrip(const Codec<Fast>& codec, const Codec<Ref>& ref, const uint8_t* data, size_t size)
{
    static_assert(sizeof(Fast) == sizeof(Ref), "one design, two names");
    static Fast first, second;
    static Ref reference;
    const int status = codec.decode(data, size, &first);
    Require(ref.decode(data, size, &reference) == status);
    Require(std::memcmp(&first, &reference, sizeof first) == 0);
    if (status != DRAVOLINT_OK)
        return;
    codec.print(Sink(), &first);
    EncodeAlike(codec, ref, first, codec.maxSize);
    EncodeAlike(codec, ref, first, size > 0 ? data[0] % codec.maxSize : 0);
    std::vector<unsigned char> once(codec.maxSize), twice(codec.maxSize);
    size_t onceLength = 0, twiceLength = 0;
    Require(codec.encode(&first, once.data(), once.size(), &onceLength) == DRAVOLINT_OK);
    Require(codec.decode(once.data(), onceLength, &second) == DRAVOLINT_OK);
    Require(codec.encode(&second, twice.data(), twice.size(), &twiceLength) == DRAVOLINT_OK);
    Require(onceLength == twiceLength && std::memcmp(once.data(), twice.data(), onceLength) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t* packet = data + 1;
    size_t length = size - 1;
    switch (data[0] % 5)
    {
    case 0:
        RoundTrip(examples::chat_codec(), examples::chatref_codec(), packet, length);
        break;
    case 1:
        RoundTrip(examples::sensor_codec(), examples::sensorref_codec(), packet, length);
        break;
    case 2:
        RoundTrip(examples::vault_codec(), examples::vaultref_codec(), packet, length);
        break;
    case 3:
        RoundTrip(examples::beacon_codec(), examples::beaconref_codec(), packet, length);
        break;
    default:
        RoundTrip(examples::drone_codec(), examples::droneref_codec(), packet, length);
        break;
    }
    return 0;
}
