#include "text/mbcs.h"

bool MbcsIsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

namespace {

bool MbcsIsTrailByte(unsigned char c)
{
    return c >= 0x40 && c <= 0xFC && c != 0x7F;
}

}  // namespace

int MbcsByteClassAt(const char* s, unsigned index)
{
    int cls = MBC_SINGLE;
    for (unsigned i = 0;; ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == 0) {
            return MBC_SINGLE;
        }
        if (cls == MBC_LEAD) {
            cls = MbcsIsTrailByte(c) ? MBC_TRAIL : MBC_SINGLE;
        } else {
            cls = MbcsIsLeadByte(c) ? MBC_LEAD : MBC_SINGLE;
        }
        if (i == index) {
            // A lead byte without its trail (another byte or the terminator
            // follows) starts no character: it stands alone.
            if (cls == MBC_LEAD && !MbcsIsTrailByte(static_cast<unsigned char>(s[i + 1]))) {
                return MBC_SINGLE;
            }
            return cls;
        }
    }
}
