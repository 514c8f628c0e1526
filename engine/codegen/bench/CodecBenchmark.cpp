// CodecBenchmark.cpp: encode and decode speed of generated code beside a plain copy of the same bytes.
#include "chat_api.h"
#include "drone_api.h"
#include "sensor_api.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace
{

// A chat message with every kind of text filled.
chat_message_t SampleMessage()
{
    chat_message_t message;
    std::memset(&message, 0, sizeof message);
    message.length = 40;
    std::memset(message.body, 'b', 40);
    std::strcpy(message.topic, "weather");
    message.signlen = 8;
    std::strcpy(message.signature, "signatur");
    message.count = 3;
    message.each = 4;
    for (int i = 0; i < 3; ++i)
        std::strcpy(message.tags[i], "tag0");
    message.nicks = 2;
    std::strcpy(message.nick[0], "ann");
    std::strcpy(message.nick[1], "bob");
    return message;
}

sensor_reading_t SampleReading()
{
    sensor_reading_t reading;
    std::memset(&reading, 0, sizeof reading);
    reading.valid = 1;
    reading.scale = 1234;
    reading.phase = 0x12345678;
    reading.temp = -40;
    reading.offset = 100000;
    std::strcpy(reading.label, "north");
    return reading;
}

template <typename Packet>
std::vector<unsigned char> Encoded(Packet packet, int (*encode)(Packet*, unsigned char*, size_t, size_t*), size_t max)
{
    std::vector<unsigned char> bytes(max);
    size_t length = 0;
    encode(&packet, bytes.data(), bytes.size(), &length);
    bytes.resize(length);
    return bytes;
}

void Count(benchmark::State& state, size_t bytes)
{
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

void EncodeChatMessage(benchmark::State& state)
{
    chat_message_t message = SampleMessage();
    unsigned char buffer[chat_MAX_PACKET_SIZE];
    size_t length = 0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(chat_encode_message(&message, buffer, sizeof buffer, &length));
        benchmark::ClobberMemory();
    }
    Count(state, length);
}

void DecodeChatMessage(benchmark::State& state)
{
    std::vector<unsigned char> bytes = Encoded(SampleMessage(), chat_encode_message, chat_MAX_PACKET_SIZE);
    static chat_packet_t packet;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(chat_decode(bytes.data(), bytes.size(), &packet));
        benchmark::ClobberMemory();
    }
    Count(state, bytes.size());
}

void CopyChatMessage(benchmark::State& state)
{
    std::vector<unsigned char> bytes = Encoded(SampleMessage(), chat_encode_message, chat_MAX_PACKET_SIZE);
    std::vector<unsigned char> copy(bytes.size());
    for (auto _ : state)
    {
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::ClobberMemory();
    }
    Count(state, bytes.size());
}

void EncodeSensorReading(benchmark::State& state)
{
    sensor_reading_t reading = SampleReading();
    unsigned char buffer[sensor_MAX_PACKET_SIZE];
    size_t length = 0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(sensor_encode_reading(&reading, buffer, sizeof buffer, &length));
        benchmark::ClobberMemory();
    }
    Count(state, length);
}

void DecodeSensorReading(benchmark::State& state)
{
    std::vector<unsigned char> bytes = Encoded(SampleReading(), sensor_encode_reading, sensor_MAX_PACKET_SIZE);
    sensor_packet_t packet;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(sensor_decode(bytes.data(), bytes.size(), &packet));
        benchmark::ClobberMemory();
    }
    Count(state, bytes.size());
}

void CopySensorReading(benchmark::State& state)
{
    std::vector<unsigned char> bytes = Encoded(SampleReading(), sensor_encode_reading, sensor_MAX_PACKET_SIZE);
    std::vector<unsigned char> copy(bytes.size());
    for (auto _ : state)
    {
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::ClobberMemory();
    }
    Count(state, bytes.size());
}

// About a hundred bytes: runs of two to four bit fields between 32-bit and
// 8-bit integers, an int64, two 24-bit fields and a fixed 33-byte text.
drone_status_t SampleStatus()
{
    drone_status_t status;
    std::memset(&status, 0, sizeof status);
    status.id = 0x01020304u;
    status.mode = 5;
    status.level = 17;
    status.flags = 0xA5;
    status.a = 2;
    status.b = 9;
    status.c = 1;
    status.count = -123456;
    status.x = 7;
    status.y = 12;
    status.z = 200;
    status.battery = 88;
    status.stamp = -1234567890123LL;
    status.lat = 0x123456;
    status.lon = 0xABCDEF;
    std::strcpy(status.name, "kestrel-07 north ridge");
    status.altitude = -250;
    status.speed = 4321;
    status.heading = -90;
    status.gps = 1;
    status.home = 1;
    status.error = 19;
    status.temp = -12;
    status.voltage = 12600;
    status.current = 3400;
    status.p = 3;
    status.q = 33;
    status.odometer = 9876543210ULL;
    status.pitch = -1500;
    status.roll = 700;
    status.spare = 0xDEADBEEFu;
    return status;
}

void EncodeDroneStatus(benchmark::State& state)
{
    drone_status_t status = SampleStatus();
    unsigned char buffer[drone_MAX_PACKET_SIZE];
    size_t length = 0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(drone_encode_status(&status, buffer, sizeof buffer, &length));
        benchmark::ClobberMemory();
    }
    Count(state, length);
}

void DecodeDroneStatus(benchmark::State& state)
{
    std::vector<unsigned char> bytes = Encoded(SampleStatus(), drone_encode_status, drone_MAX_PACKET_SIZE);
    drone_packet_t packet;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(drone_decode(bytes.data(), bytes.size(), &packet));
        benchmark::ClobberMemory();
    }
    Count(state, bytes.size());
}

void CopyDroneStatus(benchmark::State& state)
{
    std::vector<unsigned char> bytes = Encoded(SampleStatus(), drone_encode_status, drone_MAX_PACKET_SIZE);
    std::vector<unsigned char> copy(bytes.size());
    for (auto _ : state)
    {
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::ClobberMemory();
    }
    Count(state, bytes.size());
}

}  // namespace

BENCHMARK(EncodeDroneStatus);
BENCHMARK(DecodeDroneStatus);
BENCHMARK(CopyDroneStatus);
BENCHMARK(EncodeChatMessage);
BENCHMARK(DecodeChatMessage);
BENCHMARK(CopyChatMessage);
BENCHMARK(EncodeSensorReading);
BENCHMARK(DecodeSensorReading);
BENCHMARK(CopySensorReading);
BENCHMARK_MAIN();
