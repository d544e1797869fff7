#pragma once

// A French text that the casting plan can show in another language. The core keeps and reports
// the French; a window looks the template up in its translations and puts the arguments in.

#include <string>
#include <utility>
#include <vector>

namespace gypsomix {

// A template with %1…%9 for its arguments, each a marked text in turn or a plain value: a
// figure, a name from a catalogue, a file name.
struct Message {
    const char* context = nullptr;  // none: `text` is a value, shown as it is
    std::string text;
    std::vector<Message> arguments;

    Message with(std::vector<Message> values) && {
        arguments = std::move(values);
        return std::move(*this);
    }

    // The French, with every argument put in.
    std::string french() const {
        return context == nullptr
                   ? text
                   : filled(text, [](const Message& argument) { return argument.french(); });
    }

    // `pattern` (this template, or its translation) with %1…%9 replaced by `shown` of each
    // argument; a number with no argument stays as it is written.
    template <class Shown>
    std::string filled(const std::string& pattern, Shown shown) const {
        std::string result;
        for (std::size_t at = 0; at < pattern.size(); ++at) {
            const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
            const auto index = static_cast<std::size_t>(next - '1');
            if (pattern[at] == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
                result += shown(arguments[index]);
                ++at;
            } else {
                result += pattern[at];
            }
        }
        return result;
    }
};

inline Message value_text(std::string text) {
    return Message{nullptr, std::move(text), {}};
}

// A French template, marked for the translators: lupdate reads core_text as QT_TRANSLATE_NOOP,
// so both arguments must be literals; the arguments follow with .with({…}).
inline Message core_text(const char* context, const char* text) {
    return Message{context, text, {}};
}

}  // namespace gypsomix
