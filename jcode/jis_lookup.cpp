#include <algorithm>
#include <vector>

#include "jcode/jis_table.h"

namespace jcode {

namespace {

// The mapping table ordered by EUC-JP code. The one code with two code points, 0xA1C0
// (U+005C and U+FF3C), must give the full-width U+FF3C: it is the character that JIS
// X 0208 defines there, converting it back to an EUC-JP text gives 0xA1C0 again (a
// U+005C would be written as the ASCII byte), and an ASCII backslash would turn a
// character of a Japanese file name into a path separator. Ties therefore put the
// higher code point first, and the lookup takes the first match.
const std::vector<JisPair>& reverseIndex()
{
    static const std::vector<JisPair> index = [] {
        std::vector<JisPair> byEuc(std::begin(kJisTable), std::end(kJisTable));
        std::sort(byEuc.begin(), byEuc.end(), [](const JisPair& a, const JisPair& b) {
            return a.euc != b.euc ? a.euc < b.euc : a.codePoint > b.codePoint;
        });
        return byEuc;
    }();
    return index;
}

}  // namespace

std::optional<std::uint32_t> eucForCodePoint(std::uint32_t codePoint)
{
    const auto* end = std::end(kJisTable);
    const auto* found =
        std::lower_bound(std::begin(kJisTable), end, codePoint,
                         [](const JisPair& pair, std::uint32_t value) { return pair.codePoint < value; });
    if (found == end || found->codePoint != codePoint)
        return std::nullopt;
    return found->euc;
}

std::optional<std::uint32_t> codePointForEuc(std::uint32_t euc)
{
    const auto& index = reverseIndex();
    auto found = std::lower_bound(index.begin(), index.end(), euc,
                                  [](const JisPair& pair, std::uint32_t value) { return pair.euc < value; });
    if (found == index.end() || found->euc != euc)
        return std::nullopt;
    return found->codePoint;
}

}  // namespace jcode
