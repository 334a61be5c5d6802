#include "jcode/conversions.h"
#include "jcode/jcode.h"

std::string convertEncoding(std::string_view text, std::string_view fromName, std::string_view toName)
{
    using namespace jcode;
    int from = encodingCode(fromName);
    if (from == kEncodingNone)
        from = detectEncoding(text);
    const int to = encodingCode(toName);

    switch (from) {
    case kEncodingEucJp:
        if (to == kEncodingShiftJis)
            return eucJpToShiftJis(text);
        if (to == kEncodingUtf8)
            return ucs2ToUtf8(eucJpToUcs2(text));
        break;
    case kEncodingShiftJis:
        if (to == kEncodingEucJp)
            return shiftJisToEucJp(text);
        if (to == kEncodingUtf8)
            return ucs2ToUtf8(eucJpToUcs2(shiftJisToEucJp(text)));
        break;
    case kEncodingUtf8:
        if (to == kEncodingEucJp)
            return ucs2ToEucJp(utf8ToUcs2(text));
        if (to == kEncodingShiftJis)
            return eucJpToShiftJis(ucs2ToEucJp(utf8ToUcs2(text)));
        break;
    default: break;
    }
    return std::string(text);
}
