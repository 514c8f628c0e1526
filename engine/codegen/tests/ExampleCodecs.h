// ExampleCodecs.h: each generated example design as one codec over any of its packets, in its straight-line build
// and in its per-field build (the "ref" projects, compiled with DRAVOLINT_FAST_PATH 0).
#pragma once

#include "beacon_api.h"
#include "beaconref_api.h"
#include "chat_api.h"
#include "chatref_api.h"
#include "drone_api.h"
#include "droneref_api.h"
#include "sensor_api.h"
#include "sensorref_api.h"
#include "vault_api.h"
#include "vaultref_api.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace examples
{

template <typename Packet>
struct Codec
{
    int (*decode)(const unsigned char*, size_t, Packet*);
    int (*encode)(Packet*, unsigned char*, size_t, size_t*);
    int (*print)(FILE*, const Packet*);
    size_t maxSize;
    std::vector<std::uint32_t> types;
};

#define EXAMPLE_ENCODE_CASE(project, packet)                                                                           \
    case project##_TYPE_##packet:                                                                                      \
        return project##_encode_##packet(&p->as.packet, buf, capacity, length);
#define EXAMPLE_TYPE(project, packet) project##_TYPE_##packet,

// project_encode_any and project_codec() for a project and the list of its packets.
#define EXAMPLE_CODEC(project, PACKETS)                                                                                \
    inline int project##_encode_any(project##_packet_t* p, unsigned char* buf, size_t capacity, size_t* length)        \
    {                                                                                                                  \
        switch (p->type)                                                                                               \
        {                                                                                                              \
            PACKETS(EXAMPLE_ENCODE_CASE, project)                                                                      \
        }                                                                                                              \
        return DRAVOLINT_E_TYPE;                                                                                       \
    }                                                                                                                  \
    inline Codec<project##_packet_t> project##_codec()                                                                 \
    {                                                                                                                  \
        return {project##_decode,                                                                                      \
                project##_encode_any,                                                                                  \
                project##_print,                                                                                       \
                project##_MAX_PACKET_SIZE,                                                                             \
                {PACKETS(EXAMPLE_TYPE, project)}};                                                                     \
    }

#define CHAT_PACKETS(X, project) X(project, hello) X(project, message) X(project, bye)
#define SENSOR_PACKETS(X, project) X(project, reading) X(project, batch)
#define VAULT_PACKETS(X, project) X(project, store) X(project, result)
#define BEACON_PACKETS(X, project) X(project, ping) X(project, pong)
#define DRONE_PACKETS(X, project) X(project, status)

EXAMPLE_CODEC(chat, CHAT_PACKETS)
EXAMPLE_CODEC(chatref, CHAT_PACKETS)
EXAMPLE_CODEC(sensor, SENSOR_PACKETS)
EXAMPLE_CODEC(sensorref, SENSOR_PACKETS)
EXAMPLE_CODEC(vault, VAULT_PACKETS)
EXAMPLE_CODEC(vaultref, VAULT_PACKETS)
EXAMPLE_CODEC(beacon, BEACON_PACKETS)
EXAMPLE_CODEC(beaconref, BEACON_PACKETS)
EXAMPLE_CODEC(drone, DRONE_PACKETS)
EXAMPLE_CODEC(droneref, DRONE_PACKETS)

}  // namespace examples
