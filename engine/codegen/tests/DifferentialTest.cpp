// DifferentialTest.cpp: the straight-line and the per-field code of each example give the same bytes and statuses.
#include "ExampleCodecs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace
{

using examples::Codec;
typedef std::vector<unsigned char> Bytes;

const int kRounds = 400;

template <typename Fast, typename Ref>
class Comparison
{
public:
    Comparison(const Codec<Fast>& fast, const Codec<Ref>& ref) : fast_(fast), ref_(ref)
    {
        static_assert(sizeof(Fast) == sizeof(Ref), "one design, two names");
    }

    void Run(std::uint32_t type)
    {
        for (int round = 0; round < kRounds; ++round)
        {
            Bytes bytes = Mutated(ValidBytes(type));
            Fast decoded;
            if (Decode(bytes, &decoded) == DRAVOLINT_OK)
                Encode(Corrupted(decoded));
        }
    }

private:
    // The encoding of the packet whose fields are all zero.
    Bytes ValidBytes(std::uint32_t type)
    {
        Ref packet;
        std::memset(&packet, 0, sizeof packet);
        packet.type = type;
        Bytes bytes(ref_.maxSize);
        size_t length = 0;
        EXPECT_EQ(DRAVOLINT_OK, ref_.encode(&packet, bytes.data(), bytes.size(), &length));
        bytes.resize(length);
        return bytes;
    }

    // Some bytes changed, and now and then the end cut or extended.
    Bytes Mutated(Bytes bytes)
    {
        const int changes = static_cast<int>(random_() % 8);
        for (int i = 0; i < changes && !bytes.empty(); ++i)
            bytes[random_() % bytes.size()] = static_cast<unsigned char>(random_());
        if (random_() % 4 == 0 && !bytes.empty())
            bytes.resize(random_() % bytes.size());
        else if (random_() % 8 == 0)
            bytes.push_back(static_cast<unsigned char>(random_()));
        return bytes;
    }

    // A few bytes of the fields changed, past the type.
    Fast Corrupted(Fast packet)
    {
        unsigned char* raw = reinterpret_cast<unsigned char*>(&packet);
        const int changes = static_cast<int>(random_() % 3);
        for (int i = 0; i < changes; ++i)
            raw[sizeof packet.type + random_() % (sizeof packet - sizeof packet.type)] =
                static_cast<unsigned char>(random_());
        return packet;
    }

    int Decode(const Bytes& bytes, Fast* fast)
    {
        Ref ref;
        const int status = fast_.decode(bytes.data(), bytes.size(), fast);
        EXPECT_EQ(ref_.decode(bytes.data(), bytes.size(), &ref), status);
        EXPECT_EQ(0, std::memcmp(fast, &ref, sizeof ref)) << "decoded with status " << status;
        return status;
    }

    // Into a buffer of any capacity up to the largest packet: the same status,
    // length and bytes, written or not.
    void Encode(const Fast& packet)
    {
        Fast fast = packet;
        Ref ref;
        std::memcpy(&ref, &packet, sizeof ref);
        const size_t capacity = random_() % 2 == 0 ? fast_.maxSize : random_() % (fast_.maxSize + 1);
        Bytes fastBytes(fast_.maxSize, 0xA5), refBytes(fast_.maxSize, 0xA5);
        size_t fastLength = 1, refLength = 2;
        const int status = fast_.encode(&fast, fastBytes.data(), capacity, &fastLength);
        EXPECT_EQ(ref_.encode(&ref, refBytes.data(), capacity, &refLength), status);
        EXPECT_EQ(refLength, fastLength);
        EXPECT_EQ(refBytes, fastBytes) << "encoded with status " << status;
        EXPECT_EQ(0, std::memcmp(&fast, &ref, sizeof ref)) << "the roles filled alike";
    }

    const Codec<Fast>& fast_;
    const Codec<Ref>& ref_;
    std::mt19937 random_{12345};
};

template <typename Fast, typename Ref>
void Compare(const Codec<Fast>& fast, const Codec<Ref>& ref)
{
    Comparison<Fast, Ref> comparison(fast, ref);
    for (std::uint32_t type : fast.types)
        comparison.Run(type);
}

TEST(BothPaths, GiveTheSameBytesAndStatusesForEveryExample)
{
    Compare(examples::chat_codec(), examples::chatref_codec());
    Compare(examples::sensor_codec(), examples::sensorref_codec());
    Compare(examples::vault_codec(), examples::vaultref_codec());
    Compare(examples::beacon_codec(), examples::beaconref_codec());
    Compare(examples::drone_codec(), examples::droneref_codec());
}

}  // namespace
