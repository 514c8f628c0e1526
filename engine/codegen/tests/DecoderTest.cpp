// DecoderTest.cpp
