// Feeds arbitrary bytes to both bitmap decoders: neither may read out of
// bounds, and whatever they accept must be a picture of sensible size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "face/bmp_decoder.h"
#include "face/legend_mask.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (auto decode : {DecodeBitmapFile, DecodePackedDib}) {
        const auto image = decode(data, size);
        if (!image) continue;
        if (image->Width() < 1 || image->Width() > kMaxBitmapSide || image->Height() < 1 ||
            image->Height() > kMaxBitmapSide)
            std::abort();
        LegendMask mask(*image);
        (void)mask;
    }
    return 0;
}
