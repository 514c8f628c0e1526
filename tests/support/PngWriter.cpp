// Writes captured pixels as a PNG file, for a person to look at.
#include "PngWriter.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace
{

struct CFileCloser
{
    void operator()(FILE* pFile) const { std::fclose(pFile); }
};

// The writer and its info, destroyed together.
class CPngWrite
{
public:
    CPngWrite() : m_png(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr))
    {
        if (m_png)
            m_info = png_create_info_struct(m_png);
    }
    ~CPngWrite() { png_destroy_write_struct(&m_png, &m_info); }
    CPngWrite(const CPngWrite&) = delete;
    CPngWrite& operator=(const CPngWrite&) = delete;

    png_structp Png() const { return m_info ? m_png : nullptr; }
    png_infop Info() const { return m_info; }

private:
    png_structp m_png;
    png_infop m_info = nullptr;
};

void FillRow(const CPixelImage& image, int y, std::vector<png_byte>& row)
{
    for (int x = 0; x < image.Width(); x++)
    {
        const COLORREF clr = image.Pixel(x, y);
        row[x * 3] = GetRValue(clr);
        row[x * 3 + 1] = GetGValue(clr);
        row[x * 3 + 2] = GetBValue(clr);
    }
}

// libpng reports errors by longjmp: no object here may need destroying, so the caller owns the row.
bool WriteRows(png_structp png, png_infop info, FILE* pFile, const CPixelImage& image, std::vector<png_byte>& row)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_init_io(png, pFile);
    png_set_IHDR(png, info, image.Width(), image.Height(), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.Height(); y++)
    {
        FillRow(image, y, row);
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

bool WritePng(const CPixelImage& image, const std::string& strPath)
{
    if (image.Width() == 0 || image.Height() == 0)
        return false;
    std::unique_ptr<FILE, CFileCloser> file(std::fopen(strPath.c_str(), "wb"));
    CPngWrite writer;
    if (!file || !writer.Png())
        return false;
    std::vector<png_byte> row(static_cast<size_t>(image.Width()) * 3);
    return WriteRows(writer.Png(), writer.Info(), file.get(), image, row) && std::fflush(file.get()) == 0;
}
