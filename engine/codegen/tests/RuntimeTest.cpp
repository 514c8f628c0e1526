// RuntimeTest.cpp
