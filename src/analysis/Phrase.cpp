#include "analysis/Phrase.h"

std::string Fill(std::string_view text, const std::vector<std::string>& words)
{
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t k = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && k < words.size()) {
            filled += words[k];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}
