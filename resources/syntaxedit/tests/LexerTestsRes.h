// LexerTestsRes.h: ids of the lexer tests' resources (the syntax editor's range).
#pragma once

#define KT_IDR_TEST_C_SCHEME 9969
#define KT_IDR_TEST_MISSING_SCHEME 9968
