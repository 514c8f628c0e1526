// GeneratorTest.cpp
