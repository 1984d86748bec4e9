#include "core/common/translate.h"

#include <atomic>
#include <unordered_map>

namespace brelo {

namespace {

std::atomic<TextTranslator> gTranslator{nullptr};
std::atomic<unsigned> gGeneration{0};  // changes with the translator: cached texts are dropped

// A text asked for at every run (a label's caption) costs one look-up in the
// translations per session, not one per run. Kept by the source's address,
// checked against its words: a buffer reused for another text is looked up again.
struct Entry {
    std::string context, source, text;
};
struct Cache {
    unsigned generation = 0;
    std::unordered_map<const char *, Entry> texts;
};

} // namespace

void setTextTranslator(TextTranslator translator)
{
    gTranslator.store(translator);
    gGeneration.fetch_add(1);
}

std::string translated(const char *context, const char *sourceText)
{
    const TextTranslator translator = gTranslator.load();
    if (!translator)
        return sourceText;
    thread_local Cache cache;
    const unsigned generation = gGeneration.load();
    if (cache.generation != generation) {
        cache.texts.clear();
        cache.generation = generation;
    }
    Entry &entry = cache.texts[sourceText];
    if (entry.source != sourceText || entry.context != context || entry.text.empty())
        entry = {context, sourceText, translator(context, sourceText)};
    return entry.text;
}

std::string filled(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string text;
    text.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            text += values.begin()[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace brelo
