// DecoderTest.cpp: the generated code of the examples against round trips and hostile packets.
#include "beacon_api.h"
#include "chat_api.h"
#include "sensor_api.h"
#include "vault_api.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace
{

typedef std::vector<unsigned char> Bytes;

void Append(Bytes& bytes, std::initializer_list<int> values)
{
    for (int value : values)
        bytes.push_back(static_cast<unsigned char>(value));
}

void AppendText(Bytes& bytes, const char* text) { bytes.insert(bytes.end(), text, text + std::strlen(text)); }

// chat: version, urgent and channel bits, kind (u16), size (u16: body length).
Bytes ChatHeader(int kind, int size)
{
    return Bytes{1,
                 0x85,
                 static_cast<unsigned char>(kind >> 8),
                 static_cast<unsigned char>(kind),
                 static_cast<unsigned char>(size >> 8),
                 static_cast<unsigned char>(size)};
}

// A message body: every text empty, every count 0.
Bytes EmptyMessageBody() { return Bytes{0, 0, 0, 0, 0, 0, 0, 0}; }

Bytes ChatMessage(const Bytes& body)
{
    Bytes packet = ChatHeader(2, static_cast<int>(body.size()));
    packet.insert(packet.end(), body.begin(), body.end());
    return packet;
}

int DecodeChat(const Bytes& bytes, chat_packet_t* packet) { return chat_decode(bytes.data(), bytes.size(), packet); }

class ChatDecoder : public ::testing::Test
{
protected:
    chat_packet_t packet;
};

TEST_F(ChatDecoder, DecodesAMinimalMessageAndItsHeader)
{
    ASSERT_EQ(DRAVOLINT_OK, DecodeChat(ChatMessage(EmptyMessageBody()), &packet));
    EXPECT_EQ(chat_TYPE_message, packet.type);
    EXPECT_EQ(1, packet.as.message.header.urgent);
    EXPECT_EQ(5, packet.as.message.header.channel);
    EXPECT_EQ(8, packet.as.message.header.size);
}

TEST_F(ChatDecoder, LengthRolesMustMatchTheBytesPresent)
{
    Bytes packetBytes = ChatMessage(EmptyMessageBody());
    Bytes announcedLonger = packetBytes;
    announcedLonger[5] = 9;
    EXPECT_EQ(DRAVOLINT_E_TRUNCATED, DecodeChat(announcedLonger, &packet));
    Bytes trailing = packetBytes;
    trailing.push_back(0);
    EXPECT_EQ(DRAVOLINT_E_LENGTH, DecodeChat(trailing, &packet));
    Bytes announcedShorter = packetBytes;
    announcedShorter[5] = 7;
    announcedShorter.pop_back();
    EXPECT_EQ(DRAVOLINT_E_TRUNCATED, DecodeChat(announcedShorter, &packet)) << "the fields run past the body";
    EXPECT_EQ(DRAVOLINT_E_TRUNCATED, DecodeChat(Bytes(packetBytes.begin(), packetBytes.begin() + 3), &packet));
    const unsigned char none[1] = {0};
    EXPECT_EQ(DRAVOLINT_E_TRUNCATED, chat_decode(none, 0, &packet));
    EXPECT_EQ(DRAVOLINT_E_ARGUMENT, chat_decode(nullptr, 0, &packet));
}

TEST_F(ChatDecoder, UnknownTypeCountsAndLengthsOverTheirMaximaAreRefused)
{
    Bytes unknown = ChatHeader(9, 0);
    EXPECT_EQ(DRAVOLINT_E_TYPE, DecodeChat(unknown, &packet));
    Bytes tooLong = EmptyMessageBody();
    tooLong[0] = 201;
    EXPECT_EQ(DRAVOLINT_E_RANGE, DecodeChat(ChatMessage(tooLong), &packet));
    Bytes tooMany = EmptyMessageBody();
    tooMany[4] = 6;
    EXPECT_EQ(DRAVOLINT_E_RANGE, DecodeChat(ChatMessage(tooMany), &packet));
    Bytes negative = EmptyMessageBody();
    negative[6] = 0xFF;
    negative[7] = 0xFF;
    EXPECT_EQ(DRAVOLINT_E_RANGE, DecodeChat(ChatMessage(negative), &packet)) << "a count of -1";
}

TEST_F(ChatDecoder, ALengthOverItsMaximumIsRefusedEvenForNoText)
{
    Bytes overlong = EmptyMessageBody();
    overlong[5] = 9;
    EXPECT_EQ(DRAVOLINT_E_RANGE, DecodeChat(ChatMessage(overlong), &packet)) << "tags of 9 bytes, max 8, count 0";
    chat_message_t message;
    std::memset(&message, 0, sizeof message);
    message.each = 9;
    unsigned char buffer[chat_MAX_PACKET_SIZE];
    std::size_t length = 0;
    EXPECT_EQ(DRAVOLINT_E_RANGE, chat_encode_message(&message, buffer, sizeof buffer, &length));
    message.each = 8;
    EXPECT_EQ(DRAVOLINT_OK, chat_encode_message(&message, buffer, sizeof buffer, &length));
}

TEST_F(ChatDecoder, TextsNeedTheirTerminators)
{
    Bytes body{0};
    AppendText(body, "abcdefghijk");
    Append(body, {0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(DRAVOLINT_E_RANGE, DecodeChat(ChatMessage(body), &packet)) << "topic of 11 bytes, max 10";
    Bytes unended{0};
    AppendText(unended, "abc");
    EXPECT_EQ(DRAVOLINT_E_TRUNCATED, DecodeChat(ChatMessage(unended), &packet));
    Bytes badEnd{0, 0, 1, 'a', 'x', 0, 0, 0, 0};
    EXPECT_EQ(DRAVOLINT_E_FORMAT, DecodeChat(ChatMessage(badEnd), &packet)) << "signature ends with 'x', not 0";
}

TEST_F(ChatDecoder, EncodeFillsTheRolesAndRoundTripsEveryKindOfText)
{
    chat_message_t message;
    std::memset(&message, 0, sizeof message);
    message.length = 3;
    std::memcpy(message.body, "a\0b", 3);
    std::strcpy(message.topic, "news");
    message.signlen = 2;
    std::strcpy(message.signature, "ok");
    message.count = 2;
    message.each = 1;
    std::strcpy(message.tags[0], "x");
    std::strcpy(message.tags[1], "y");
    message.nicks = 1;
    std::strcpy(message.nick[0], "bob");
    unsigned char buffer[chat_MAX_PACKET_SIZE];
    std::size_t length = 0;
    ASSERT_EQ(DRAVOLINT_OK, chat_encode_message(&message, buffer, sizeof buffer, &length));
    EXPECT_EQ(chat_TYPE_message, message.header.kind);
    EXPECT_EQ(length - chat_HEADER_SIZE, message.header.size);
    ASSERT_EQ(DRAVOLINT_OK, chat_decode(buffer, length, &packet));
    const chat_message_t& got = packet.as.message;
    EXPECT_EQ(0, std::memcmp("a\0b", got.body, 3));
    EXPECT_STREQ("news", got.topic);
    EXPECT_STREQ("ok", got.signature);
    EXPECT_STREQ("y", got.tags[1]);
    EXPECT_STREQ("bob", got.nick[0]);
    EXPECT_EQ(DRAVOLINT_E_SPACE, chat_encode_message(&message, buffer, length - 1, &length));
    message.count = 6;
    EXPECT_EQ(DRAVOLINT_E_RANGE, chat_encode_message(&message, buffer, sizeof buffer, &length));
}

TEST_F(ChatDecoder, PrintNamesEveryFieldWithItsValue)
{
    chat_hello_t hello;
    std::memset(&hello, 0, sizeof hello);
    std::strcpy(hello.user, "ann \"q\"");
    hello.id = 7;
    hello.clock = -5;
    unsigned char buffer[chat_MAX_PACKET_SIZE];
    std::size_t length = 0;
    ASSERT_EQ(DRAVOLINT_OK, chat_encode_hello(&hello, buffer, sizeof buffer, &length));
    ASSERT_EQ(DRAVOLINT_OK, chat_decode(buffer, length, &packet));
    char text[2048] = {0};
    FILE* out = fmemopen(text, sizeof text - 1, "w");
    ASSERT_NE(nullptr, out);
    EXPECT_EQ(DRAVOLINT_OK, chat_print(out, &packet));
    std::fclose(out);
    EXPECT_STREQ("packet hello (type 0x00000001)\n\theader.version = 0\n\theader.urgent = 0\n"
                 "\theader.channel = 0\n\theader.kind = 1\n\theader.size = 36\n\tuser = \"ann \\\"q\\\"\"\n"
                 "\tid = 7\n\tclock = -5\n\tserial = 0\n",
                 text);
}

// A chat frame over TCP announces its size in the header; a hostile size is
// refused before any body byte is read.
TEST(ChatReceiver, RefusesAnOversizedFrameAndReportsATruncatedOne)
{
    ASSERT_EQ(DRAVOLINT_OK, dravolint_startup());
    dravolint_socket server, client, peer;
    unsigned short port = 0;
    ASSERT_EQ(DRAVOLINT_OK, dravolint_listen(&server, DRAVOLINT_TCP, "127.0.0.1", 0));
    ASSERT_EQ(DRAVOLINT_OK, dravolint_local_port(&server, &port));
    ASSERT_EQ(DRAVOLINT_OK, dravolint_connect(&client, DRAVOLINT_TCP, "127.0.0.1", port));
    ASSERT_EQ(DRAVOLINT_OK, dravolint_accept(&server, &peer));
    dravolint_set_timeout(&peer, 2000);
    chat_packet_t packet;
    Bytes huge = ChatHeader(2, 0xFFFF);
    ASSERT_EQ(DRAVOLINT_OK, dravolint_send_all(&client, huge.data(), huge.size()));
    EXPECT_EQ(DRAVOLINT_E_LENGTH, chat_recv(&peer, &packet));
    Bytes cut = ChatMessage(EmptyMessageBody());
    cut.resize(cut.size() - 2);
    ASSERT_EQ(DRAVOLINT_OK, dravolint_send_all(&client, cut.data(), cut.size()));
    dravolint_close(&client);
    EXPECT_EQ(DRAVOLINT_E_CLOSED, chat_recv(&peer, &packet));
    dravolint_close(&peer);
    dravolint_close(&server);
    dravolint_cleanup();
}

class SensorDecoder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sensor_reading_t reading;
        std::memset(&reading, 0, sizeof reading);
        reading.phase = 0x7FFFFFFF;
        reading.temp = -32768;
        std::strcpy(reading.label, "abcdef");
        buffer.resize(sensor_MAX_PACKET_SIZE);
        std::size_t length = 0;
        ASSERT_EQ(DRAVOLINT_OK, sensor_encode_reading(&reading, buffer.data(), buffer.size(), &length));
        buffer.resize(length);
    }

    int Decode(const Bytes& bytes) { return sensor_decode(bytes.data(), bytes.size(), &packet); }

    Bytes buffer;
    sensor_packet_t packet;
};

TEST_F(SensorDecoder, RoundTripsBitRunsAndExtremes)
{
    ASSERT_EQ(29u, buffer.size());
    ASSERT_EQ(DRAVOLINT_OK, Decode(buffer));
    EXPECT_EQ(0x7FFFFFFFu, packet.as.reading.phase);
    EXPECT_EQ(-32768, packet.as.reading.temp);
    EXPECT_STREQ("abcdef", packet.as.reading.label);
    EXPECT_EQ(8, packet.as.reading.header.hlen);
    EXPECT_EQ(29, packet.as.reading.header.total);
}

TEST_F(SensorDecoder, HeaderAndTotalLengthsAreChecked)
{
    Bytes wrongHeader = buffer;
    wrongHeader[1] = 7;
    EXPECT_EQ(DRAVOLINT_E_LENGTH, Decode(wrongHeader));
    Bytes belowHeader = buffer;
    belowHeader[3] = 7;
    EXPECT_EQ(DRAVOLINT_E_LENGTH, Decode(belowHeader));
    Bytes pastEnd = buffer;
    pastEnd[3] = 30;
    EXPECT_EQ(DRAVOLINT_E_TRUNCATED, Decode(pastEnd));
    Bytes shortOfFields = buffer;
    shortOfFields[3] = 28;
    EXPECT_EQ(DRAVOLINT_E_TRUNCATED, Decode(shortOfFields));
    Bytes trailing = buffer;
    trailing.push_back(0);
    EXPECT_EQ(DRAVOLINT_E_LENGTH, Decode(trailing));
}

TEST_F(SensorDecoder, CountsOverTheMaximumAndWideBitValuesAreRefused)
{
    Bytes batch{0x11, 8, 0, 10, 's', 't', 'a', 0, 0, 11};
    EXPECT_EQ(DRAVOLINT_E_RANGE, Decode(batch));
    sensor_reading_t reading;
    std::memset(&reading, 0, sizeof reading);
    reading.phase = 0x80000000u;
    unsigned char out[sensor_MAX_PACKET_SIZE];
    std::size_t length = 0;
    EXPECT_EQ(DRAVOLINT_E_RANGE, sensor_encode_reading(&reading, out, sizeof out, &length));
}

// vault: type (u32) and total length (u32) in the header; store has slot and
// flags, then TLV fields with u16 tags and lengths.
Bytes VaultStore(const Bytes& tlvs)
{
    Bytes packet{0, 0, 1, 0, 0, 0, 0, 0, 0, 9, 3};
    packet.insert(packet.end(), tlvs.begin(), tlvs.end());
    packet[7] = static_cast<unsigned char>(packet.size());
    return packet;
}

int DecodeVault(const Bytes& bytes, vault_packet_t* packet) { return vault_decode(bytes.data(), bytes.size(), packet); }

TEST(VaultDecoder, FindsTagsInAnyOrderAndSkipsUnknownOnes)
{
    Bytes tlvs{0, 2, 0, 4, 0, 0, 1, 0, 0, 9, 0, 3, 'z', 'z', 'z', 0, 1, 0, 3, 'a', 'b', 'c'};
    vault_packet_t packet;
    ASSERT_EQ(DRAVOLINT_OK, DecodeVault(VaultStore(tlvs), &packet));
    const vault_store_t& store = packet.as.store;
    EXPECT_EQ(9, store.slot);
    EXPECT_EQ(3, store.flags);
    EXPECT_TRUE(store.has_limit);
    EXPECT_EQ(256u, store.limit);
    EXPECT_TRUE(store.has_owner);
    EXPECT_STREQ("abc", store.owner);
    EXPECT_FALSE(store.has_bias);
    EXPECT_FALSE(store.has_stamp);
}

TEST(VaultDecoder, RepeatedMisSizedOrOverlongTlvsAreRefused)
{
    vault_packet_t packet;
    EXPECT_EQ(DRAVOLINT_E_FORMAT, DecodeVault(VaultStore({0, 3, 0, 1, 5, 0, 3, 0, 1, 6}), &packet)) << "bias twice";
    EXPECT_EQ(DRAVOLINT_E_FORMAT, DecodeVault(VaultStore({0, 2, 0, 3, 1, 2, 3}), &packet)) << "limit of 3 bytes";
    EXPECT_EQ(DRAVOLINT_E_TRUNCATED, DecodeVault(VaultStore({0, 9, 0, 5, 1, 2}), &packet)) << "length past the end";
    EXPECT_EQ(DRAVOLINT_E_TRUNCATED, DecodeVault(VaultStore({0}), &packet)) << "a cut tag";
    Bytes overlong{0, 1, 0, 33};
    overlong.insert(overlong.end(), 33, 'a');
    EXPECT_EQ(DRAVOLINT_E_RANGE, DecodeVault(VaultStore(overlong), &packet)) << "owner of 33 bytes, max 32";
}

TEST(BeaconDecoder, FramesByTheFixedSizeOfEachPacket)
{
    beacon_packet_t packet;
    const unsigned char ping[] = {1, 0, 0, 0, 42};
    ASSERT_EQ(DRAVOLINT_OK, beacon_decode(ping, sizeof ping, &packet));
    EXPECT_EQ(42u, packet.as.ping.seq);
    EXPECT_EQ(DRAVOLINT_E_TRUNCATED, beacon_decode(ping, sizeof ping - 1, &packet));
    const unsigned char longer[] = {1, 0, 0, 0, 42, 0};
    EXPECT_EQ(DRAVOLINT_E_LENGTH, beacon_decode(longer, sizeof longer, &packet));
    const unsigned char unknown[] = {9, 0, 0, 0, 42};
    EXPECT_EQ(DRAVOLINT_E_TYPE, beacon_decode(unknown, sizeof unknown, &packet));
}

}  // namespace
