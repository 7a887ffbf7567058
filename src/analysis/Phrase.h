#pragma once

#include <string>
#include <string_view>
#include <vector>

// The texts the core makes for the user (why a file is refused, how it was
// read) are German, with %1, %2, … where words of the case go. The windows
// show them in the language in use; scripts and the Python module read the
// German text.

// The context under which the translation file holds the core's phrases.
inline constexpr const char* PhraseContext = "Meldung";

// Marks a German text for the translation tools, which read it with its
// context; the text itself is what the core keeps.
constexpr const char* Marked(const char* /*context*/, const char* german) { return german; }

// `text` with %1 … %9 replaced by words[0] … words[8], in one pass: a word
// that holds "%2" stays as it is. A % without a word to it stays too.
std::string Fill(std::string_view text, const std::vector<std::string>& words);

struct Phrase {
    Phrase(const char* text, std::vector<std::string> words = {}) : text(text), words(std::move(words)) {}
    const char* text;  // German, the key of its translation
    std::vector<std::string> words;
    std::string German() const { return Fill(text, words); }
};
