// CommandBarsTestsRes.h: ids of the command-bar tests' own resources.
#pragma once

#define IDR_TESTFRAME 128
#define ID_TEST_DISABLED_BY_HANDLER 9200
#define ID_TEST_NO_HANDLER 9201
#define ID_TEST_ENABLED 9202
#define ID_TEST_DESCRIBED 9203
#define ID_TEST_TOGGLE 9204
#define ID_TEST_RENAMED 9205
#define IDR_SHORTTOOLBAR 9210
// Two document types, each with a menu of its own.
#define IDR_TEXTDOC 9220
#define IDR_PACKETDOC 9221
#define ID_TEXT_UPPER 9222
#define ID_PACKET_CHECK 9223
