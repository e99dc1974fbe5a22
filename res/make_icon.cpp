// Writes the program icon, a solid black arrow pointing up on a transparent
// background, as a 32x32 and a 16x16 image of 16 colours.
//   make_icon OUT.ico      write it
//   make_icon --check ICO  exit 0 when ICO holds exactly what would be written
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include <vector>

namespace {

typedef std::vector<uint8_t> Bytes;

void Put16(Bytes& b, unsigned v)
{
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}

void Put32(Bytes& b, uint32_t v)
{
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// The arrow: a head of `head` rows, widening by one pixel on each side per
// row, over a shaft half as wide as the head's base.
bool IsArrow(int size, int x, int y)
{
    const int top = size / 16;
    const int head = size * 7 / 16;
    const int mid = size / 2;
    const int r = y - top;
    if (r >= 0 && r < head) return x >= mid - (r + 1) && x < mid + (r + 1);
    const int shaftHalf = size * 3 / 16;
    return r >= head && y < size - top - 1 && x >= mid - shaftHalf && x < mid + shaftHalf;
}

// The standard 16-colour palette; the arrow uses entry 0, black.
const uint8_t kPalette[16][3] = {
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
};

int RowBytes(int bits)
{
    return ((bits + 31) / 32) * 4;
}

// BITMAPINFOHEADER, palette, 4-bit colour plane, 1-bit AND mask; bottom-up.
Bytes Image(int size)
{
    Bytes b;
    const int xorRow = RowBytes(size * 4), andRow = RowBytes(size);
    Put32(b, 40);
    Put32(b, size);
    Put32(b, size * 2);  // colour plane and mask together
    Put16(b, 1);
    Put16(b, 4);
    Put32(b, 0);
    Put32(b, (xorRow + andRow) * size);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    for (const auto& c : kPalette) {
        b.push_back(c[2]);
        b.push_back(c[1]);
        b.push_back(c[0]);
        b.push_back(0);
    }
    for (int y = size - 1; y >= 0; --y)  // every pixel is colour 0
        b.insert(b.end(), xorRow, 0);
    for (int y = size - 1; y >= 0; --y) {
        Bytes row(andRow, 0);
        for (int x = 0; x < size; ++x)
            if (!IsArrow(size, x, y)) row[x / 8] |= 0x80 >> (x % 8);
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

Bytes Icon()
{
    const int sizes[] = {32, 16};
    Bytes images[2] = {Image(sizes[0]), Image(sizes[1])};
    Bytes b;
    Put16(b, 0);
    Put16(b, 1);  // icon
    Put16(b, 2);
    uint32_t offset = 6 + 16 * 2;
    for (int i = 0; i < 2; ++i) {
        b.push_back(sizes[i]);
        b.push_back(sizes[i]);
        b.push_back(16);
        b.push_back(0);
        Put16(b, 1);
        Put16(b, 4);
        Put32(b, images[i].size());
        Put32(b, offset);
        offset += images[i].size();
    }
    for (const Bytes& image : images) b.insert(b.end(), image.begin(), image.end());
    return b;
}

}  // namespace

int main(int argc, char** argv)
{
    const Bytes icon = Icon();
    if (argc == 3 && strcmp(argv[1], "--check") == 0) {
        FILE* f = fopen(argv[2], "rb");
        if (!f) return 1;
        Bytes found(icon.size() + 1);
        const size_t n = fread(found.data(), 1, found.size(), f);
        fclose(f);
        const bool same = n == icon.size() && memcmp(found.data(), icon.data(), n) == 0;
        if (!same) fprintf(stderr, "%s differs from the generated icon: run make_icon\n", argv[2]);
        return same ? 0 : 1;
    }
    if (argc != 2) {
        fprintf(stderr, "usage: make_icon OUT.ico | make_icon --check ICO\n");
        return 2;
    }
    FILE* f = fopen(argv[1], "wb");
    if (!f || fwrite(icon.data(), 1, icon.size(), f) != icon.size()) return 1;
    return fclose(f) == 0 ? 0 : 1;
}
