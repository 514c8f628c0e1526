// Proves that expat, libpng, zlib and POCO Foundation link and work in the Windows build.
#include <gtest/gtest.h>

#include <windows.h>

#include <Poco/DateTime.h>
#include <expat.h>
#include <png.h>
#include <zlib.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{

// A 2x2 RGBA image: red, half-transparent green, blue, transparent grey.
const unsigned char kTinyPng[] = {0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48,
                                  0x44, 0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00,
                                  0x00, 0x72, 0xb6, 0x0d, 0x24, 0x00, 0x00, 0x00, 0x17, 0x49, 0x44, 0x41, 0x54, 0x78,
                                  0x9c, 0x63, 0xf8, 0xcf, 0xc0, 0xf0, 0x1f, 0x08, 0x1b, 0x18, 0x80, 0xf4, 0x7f, 0x2e,
                                  0x11, 0x39, 0x06, 0x00, 0x3b, 0x7c, 0x05, 0xb8, 0x43, 0xcc, 0xa5, 0x25, 0x00, 0x00,
                                  0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};

struct ElementCounter
{
    int elements = 0;
    std::string lastName;
};

void XMLCALL OnStart(void* user, const XML_Char* name, const XML_Char**)
{
    auto* counter = static_cast<ElementCounter*>(user);
    ++counter->elements;
    counter->lastName = name;
}

void XMLCALL OnEnd(void*, const XML_Char*) {}

}  // namespace

TEST(Dependencies, ExpatParsesAndReportsErrors)
{
    ElementCounter counter;
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetUserData(parser, &counter);
    XML_SetElementHandler(parser, OnStart, OnEnd);
    const char good[] = "<solution><project name=\"p\"/></solution>";
    EXPECT_EQ(XML_STATUS_OK, XML_Parse(parser, good, static_cast<int>(strlen(good)), 1));
    EXPECT_EQ(2, counter.elements);
    EXPECT_EQ("project", counter.lastName);
    XML_ParserFree(parser);

    parser = XML_ParserCreate(nullptr);
    const char bad[] = "<solution>\n<project></solution>";
    EXPECT_EQ(XML_STATUS_ERROR, XML_Parse(parser, bad, static_cast<int>(strlen(bad)), 1));
    EXPECT_EQ(2u, XML_GetCurrentLineNumber(parser));
    EXPECT_STREQ("mismatched tag", XML_ErrorString(XML_GetErrorCode(parser)));
    XML_ParserFree(parser);
}

TEST(Dependencies, LibpngDecodesRgbaPixels)
{
    png_image image;
    memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&image, kTinyPng, sizeof kTinyPng));
    image.format = PNG_FORMAT_BGRA;
    std::vector<unsigned char> pixels(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr));
    ASSERT_EQ(2u, image.width);
    const std::vector<unsigned char> expected = {0, 0, 255, 255, 0, 255, 0, 128, 255, 0, 0, 255, 30, 20, 10, 0};
    EXPECT_EQ(expected, pixels);
}

TEST(Dependencies, ZlibRoundTrips)
{
    const std::string text(1000, 'k');
    uLongf packedSize = compressBound(static_cast<uLong>(text.size()));
    std::vector<Bytef> packed(packedSize);
    ASSERT_EQ(Z_OK, compress(packed.data(), &packedSize, reinterpret_cast<const Bytef*>(text.data()),
                             static_cast<uLong>(text.size())));
    EXPECT_LT(packedSize, 100u);
    std::string unpacked(text.size(), '\0');
    uLongf unpackedSize = static_cast<uLongf>(unpacked.size());
    ASSERT_EQ(Z_OK, uncompress(reinterpret_cast<Bytef*>(&unpacked[0]), &unpackedSize, packed.data(), packedSize));
    EXPECT_EQ(text, unpacked);
}

TEST(Dependencies, PocoTellsTheDate)
{
    Poco::DateTime now;
    EXPECT_GE(now.year(), 2024);
    EXPECT_TRUE(Poco::DateTime::isValid(now.year(), now.month(), now.day()));
}

// The tests compare ANSI texts; scripts/env.sh pins the locale that gives this code page.
TEST(Platform, AnsiCodePageIsWesternEuropean) { EXPECT_EQ(1252u, GetACP()); }
