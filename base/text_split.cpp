#include "base/text_split.h"

namespace velmora {

std::vector<std::string> splitText(std::string_view text, std::string_view separator)
{
    std::vector<std::string> parts;
    if (text.empty()) {
        return parts;
    }
    if (separator.empty()) {
        parts.emplace_back(text);
        return parts;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            break;
        }
        parts.emplace_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    if (start < text.size()) {
        parts.emplace_back(text.substr(start));
    }
    return parts;
}

}  // namespace velmora
