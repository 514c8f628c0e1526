// LayoutTest.cpp
