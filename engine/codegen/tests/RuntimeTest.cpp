// RuntimeTest.cpp: the dravolint runtime: bounds-checked packing and loopback sockets.
#include "dravolint.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <vector>

#ifndef _WIN32
#include <pthread.h>
#endif

namespace
{

typedef std::vector<unsigned char> Bytes;

class Writer
{
public:
    explicit Writer(std::size_t capacity) : bytes_(capacity) { dravolint_writer_init(&w, bytes_.data(), capacity); }
    Bytes Written() const { return Bytes(bytes_.begin(), bytes_.begin() + static_cast<long>(w.position)); }

    dravolint_writer w;

private:
    Bytes bytes_;
};

TEST(RuntimeWriter, IntegersAreBigEndianAndNeverPassTheCapacity)
{
    Writer out(15);
    EXPECT_EQ(DRAVOLINT_OK, dravolint_put_u8(&out.w, 0x01));
    EXPECT_EQ(DRAVOLINT_OK, dravolint_put_u16(&out.w, 0x0203));
    EXPECT_EQ(DRAVOLINT_OK, dravolint_put_u32(&out.w, 0x04050607));
    EXPECT_EQ(DRAVOLINT_OK, dravolint_put_u64(&out.w, 0x08090A0B0C0D0E0Full));
    EXPECT_EQ((Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}), out.Written());
    EXPECT_EQ(DRAVOLINT_E_SPACE, dravolint_put_u8(&out.w, 0));
    EXPECT_EQ(15u, out.w.position);
}

TEST(RuntimeWriter, BitFieldsPackMostSignificantBitFirstAndRejectWideValues)
{
    Writer out(4);
    EXPECT_EQ(DRAVOLINT_OK, dravolint_put_bits(&out.w, 1, 1));
    EXPECT_EQ(DRAVOLINT_OK, dravolint_put_bits(&out.w, 5, 3));
    EXPECT_EQ(DRAVOLINT_OK, dravolint_put_bits(&out.w, 0xABC, 12));
    EXPECT_EQ(DRAVOLINT_E_RANGE, dravolint_put_bits(&out.w, 8, 3));
    EXPECT_EQ(DRAVOLINT_OK, dravolint_put_bits(&out.w, 1, 1));
    EXPECT_EQ(DRAVOLINT_E_FORMAT, dravolint_put_u8(&out.w, 0)) << "whole bytes need a byte boundary";
    EXPECT_EQ(DRAVOLINT_OK, dravolint_put_align(&out.w));
    EXPECT_EQ((Bytes{0xDA, 0xBC, 0x80}), out.Written());
    EXPECT_EQ(DRAVOLINT_E_ARGUMENT, dravolint_put_bits(&out.w, 0, 0));
}

TEST(RuntimeReader, IntegersSignedValuesAndTruncation)
{
    const unsigned char data[] = {0xFF, 0xFF, 0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0};
    dravolint_reader r;
    dravolint_reader_init(&r, data, sizeof data);
    int8_t s8 = 0;
    int16_t s16 = 0;
    int64_t s64 = 0;
    EXPECT_EQ(DRAVOLINT_OK, dravolint_get_s8(&r, &s8));
    EXPECT_EQ(-1, s8);
    EXPECT_EQ(DRAVOLINT_OK, dravolint_get_s16(&r, &s16));
    EXPECT_EQ(-2, s16);
    EXPECT_EQ(DRAVOLINT_OK, dravolint_get_s64(&r, &s64));
    EXPECT_EQ(INT64_MIN, s64);
    uint16_t u16 = 7;
    EXPECT_EQ(DRAVOLINT_E_TRUNCATED, dravolint_get_u16(&r, &u16));
    EXPECT_EQ(7, u16) << "a failed read leaves the value alone";
    EXPECT_EQ(0u, dravolint_remaining(&r));
}

TEST(RuntimeReader, BitFieldsAcrossBytesAndAlignment)
{
    const unsigned char data[] = {0xDA, 0xBC, 0x80, 0x42};
    dravolint_reader r;
    dravolint_reader_init(&r, data, sizeof data);
    uint32_t value = 0;
    EXPECT_EQ(DRAVOLINT_OK, dravolint_get_bits(&r, &value, 1));
    EXPECT_EQ(1u, value);
    EXPECT_EQ(DRAVOLINT_OK, dravolint_get_bits(&r, &value, 3));
    EXPECT_EQ(5u, value);
    EXPECT_EQ(DRAVOLINT_OK, dravolint_get_bits(&r, &value, 12));
    EXPECT_EQ(0xABCu, value);
    EXPECT_EQ(DRAVOLINT_OK, dravolint_get_bits(&r, &value, 1));
    uint8_t byte = 0;
    EXPECT_EQ(DRAVOLINT_E_FORMAT, dravolint_get_u8(&r, &byte));
    EXPECT_EQ(DRAVOLINT_OK, dravolint_get_align(&r));
    EXPECT_EQ(DRAVOLINT_OK, dravolint_get_u8(&r, &byte));
    EXPECT_EQ(0x42, byte);
    EXPECT_EQ(DRAVOLINT_E_TRUNCATED, dravolint_get_bits(&r, &value, 1));
}

TEST(RuntimeReader, TerminatedTextsStopAtTheirCapacityAndAtTheEnd)
{
    const unsigned char ok[] = {'a', 'b', 0, 'z'};
    const unsigned char longer[] = {'a', 'b', 'c', 'd', 0};
    const unsigned char unended[] = {'a', 'b'};
    char text[4];
    std::size_t length = 0;
    dravolint_reader r;
    dravolint_reader_init(&r, ok, sizeof ok);
    EXPECT_EQ(DRAVOLINT_OK, dravolint_get_terminated(&r, text, sizeof text, &length));
    EXPECT_STREQ("ab", text);
    EXPECT_EQ(2u, length);
    EXPECT_EQ(1u, dravolint_remaining(&r));
    dravolint_reader_init(&r, longer, sizeof longer);
    EXPECT_EQ(DRAVOLINT_E_RANGE, dravolint_get_terminated(&r, text, sizeof text, &length));
    dravolint_reader_init(&r, unended, sizeof unended);
    EXPECT_EQ(DRAVOLINT_E_TRUNCATED, dravolint_get_terminated(&r, text, sizeof text, &length));
    EXPECT_EQ(DRAVOLINT_E_TRUNCATED, dravolint_skip(&r, 3));
    EXPECT_EQ(2u, dravolint_remaining(&r));
}

// Sockets: one process, loopback only, every wait bounded.
class RuntimeSockets : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(DRAVOLINT_OK, dravolint_startup()); }
    void TearDown() override { dravolint_cleanup(); }

    unsigned short Listen(dravolint_socket* server, int protocol)
    {
        unsigned short port = 0;
        EXPECT_EQ(DRAVOLINT_OK, dravolint_listen(server, protocol, "127.0.0.1", 0));
        EXPECT_EQ(DRAVOLINT_OK, dravolint_local_port(server, &port));
        EXPECT_NE(0, port);
        return port;
    }
};

TEST_F(RuntimeSockets, TcpSendsAllAndReceivesExactlyThenTimesOutAndSeesTheClose)
{
    dravolint_socket server, client, peer;
    unsigned short port = Listen(&server, DRAVOLINT_TCP);
    ASSERT_EQ(DRAVOLINT_OK, dravolint_connect(&client, DRAVOLINT_TCP, "127.0.0.1", port));
    ASSERT_EQ(DRAVOLINT_OK, dravolint_accept(&server, &peer));
    std::vector<unsigned char> sent(100000);
    for (std::size_t i = 0; i < sent.size(); ++i)
        sent[i] = static_cast<unsigned char>(i * 7);
    ASSERT_EQ(DRAVOLINT_OK, dravolint_send_all(&client, sent.data(), 60000));
    std::vector<unsigned char> got(sent.size());
    ASSERT_EQ(DRAVOLINT_OK, dravolint_recv_exact(&peer, got.data(), 60000));
    EXPECT_EQ(0, std::memcmp(sent.data(), got.data(), 60000));
    dravolint_set_timeout(&peer, 100);
    EXPECT_EQ(DRAVOLINT_E_TIMEOUT, dravolint_recv_exact(&peer, got.data(), 1));
    dravolint_close(&client);
    EXPECT_EQ(DRAVOLINT_E_CLOSED, dravolint_recv_exact(&peer, got.data(), 1));
    dravolint_close(&peer);
    dravolint_close(&server);
    EXPECT_EQ(DRAVOLINT_E_ARGUMENT, dravolint_send_all(&peer, got.data(), 1)) << "a closed socket";
}

// Sends to a TCP peer that has closed its end until a send fails; the status of the last send.
int SendToAPeerThatHasGone()
{
    dravolint_socket server, client, peer;
    unsigned short port = 0;
    if (dravolint_listen(&server, DRAVOLINT_TCP, "127.0.0.1", 0) != DRAVOLINT_OK ||
        dravolint_local_port(&server, &port) != DRAVOLINT_OK ||
        dravolint_connect(&client, DRAVOLINT_TCP, "127.0.0.1", port) != DRAVOLINT_OK ||
        dravolint_accept(&server, &peer) != DRAVOLINT_OK)
        return DRAVOLINT_E_ARGUMENT;
    dravolint_close(&client);
    // The first sends may still be taken; the peer's reset makes a later one fail.
    const std::vector<unsigned char> bytes(100000);
    int status = DRAVOLINT_OK;
    for (int attempt = 0; attempt < 20 && status == DRAVOLINT_OK; ++attempt)
        status = dravolint_send_all(&peer, bytes.data(), bytes.size());
    dravolint_close(&peer);
    dravolint_close(&server);
    return status;
}

TEST_F(RuntimeSockets, TcpSendToAPeerThatHasGoneFailsAndTheProcessLives)
{
#ifdef _WIN32
    EXPECT_EQ(DRAVOLINT_E_SOCKET, SendToAPeerThatHasGone());
#else
    // A program of the user's keeps the default action of SIGPIPE, which ends
    // it; this test program's libraries block the signal, so the child that
    // sends is given the default back.
    EXPECT_EXIT(
        {
            sigset_t signals;
            sigemptyset(&signals);
            sigaddset(&signals, SIGPIPE);
            pthread_sigmask(SIG_UNBLOCK, &signals, nullptr);
            std::signal(SIGPIPE, SIG_DFL);
            std::exit(SendToAPeerThatHasGone() == DRAVOLINT_E_SOCKET ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
#endif
}

TEST_F(RuntimeSockets, UdpRepliesGoToTheLastSender)
{
    dravolint_socket server, client;
    unsigned short port = Listen(&server, DRAVOLINT_UDP);
    ASSERT_EQ(DRAVOLINT_OK, dravolint_connect(&client, DRAVOLINT_UDP, "127.0.0.1", port));
    const char question[] = "ping";
    ASSERT_EQ(DRAVOLINT_OK, dravolint_send_all(&client, question, sizeof question));
    char buffer[16];
    std::size_t length = 0;
    ASSERT_EQ(DRAVOLINT_OK, dravolint_recv_datagram(&server, buffer, sizeof buffer, &length));
    EXPECT_EQ(sizeof question, length);
    EXPECT_STREQ("ping", buffer);
    ASSERT_EQ(DRAVOLINT_OK, dravolint_send_all(&server, "pong", 5));
    ASSERT_EQ(DRAVOLINT_OK, dravolint_recv_datagram(&client, buffer, sizeof buffer, &length));
    EXPECT_STREQ("pong", buffer);
    dravolint_set_timeout(&server, 100);
    EXPECT_EQ(DRAVOLINT_E_TIMEOUT, dravolint_recv_datagram(&server, buffer, sizeof buffer, &length));
    EXPECT_EQ(DRAVOLINT_E_ARGUMENT, dravolint_accept(&server, &client)) << "UDP has no connections";
    dravolint_close(&client);
    dravolint_close(&server);
}

TEST(RuntimeStatus, EveryCodeHasAText)
{
    for (int status = DRAVOLINT_E_MEMORY; status <= DRAVOLINT_OK; ++status)
        EXPECT_STRNE("unknown status", dravolint_status_text(status)) << status;
    EXPECT_STREQ("unknown status", dravolint_status_text(1));
}

}  // namespace
